#include "monitor/MapPage.h"

#include "common/StationError.h"
#include "common/TextCodec.h"
#include "monitor/MapFileWriter.h"
#include "monitor/MapValues.h"
#include "platform/HandBackFile.h"
#include "platform/WholeFile.h"

QString MapPagePath(const QString& programFolder) { return programFolder + QStringLiteral("/carimage/map.htm"); }

QString MapTemplatePath(const QString& programFolder) {
    return programFolder + QStringLiteral("/carimage/Standards.txt");
}

SpareList<QString> ReadMapTemplate(const QString& programFolder) {
    SpareList<QString> result;
    for (const QString& line : SplitTextLines(ReadRegularFile(MapTemplatePath(programFolder)))) result.Append(line);
    return result;
}

QString MapPageText(const QString& programFolder, const SpareList<QString>& MapTemplate, double centreLat,
                    double centreLon, const QString& zoomCaption) {
    if (MapTemplate.UBound() < 5) {
        throw StationError(QStringLiteral("The map page template %1 has %2 lines; the map page needs at least five.")
                               .arg(MapTemplatePath(programFolder))
                               .arg(MapTemplate.UBound()));
    }
    // Element 5 of a five-line template is the list's empty spare: the sixth piece is then empty.
    QString line = MapTemplate[0] + HandBackFilePath(programFolder) + MapTemplate[1] +
                   QStringLiteral("House\\House1.gif") + MapTemplate[2] + MapCoordinateText(centreLat) + u',' +
                   MapCoordinateText(centreLon) + MapTemplate[3] + ZoomText(zoomCaption) + MapTemplate[4] +
                   QStringLiteral("markers.txt") + MapTemplate[5];
    // The page is one line whatever the pieces and the folder's name hold.
    line.remove(u'\r').remove(u'\n');
    return line + QStringLiteral("\r\n");
}

void WriteMapPage(const QString& programFolder, const SpareList<QString>& MapTemplate, double centreLat,
                  double centreLon, const QString& zoomCaption) {
    // The text is made before the file is touched, so a short template leaves the previous page in place.
    WriteMapFile(MapPagePath(programFolder),
                 MapPageText(programFolder, MapTemplate, centreLat, centreLon, zoomCaption));
}
