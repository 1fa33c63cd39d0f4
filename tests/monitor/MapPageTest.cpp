// The two files of a drawing, compared byte for byte: the marker file and the one-line map page.
#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <limits>

#include "DefaultLocale.h"
#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "common/StationError.h"
#include "monitor/MapPage.h"
#include "monitor/MapValues.h"
#include "monitor/MarkerFile.h"
#include "platform/HandBackFile.h"

namespace {

TrackRecord Position(const QString& time, const QString& ns, double lat, const QString& ew, double lon, float heading,
                     float speed) {
    return {time, ew, lon, ns, lat, speed, heading, "A"};
}

PoiRecord Poi(double y, double x, const QString& kind, const QString& name) { return {{}, x, y, kind, name}; }

SpareList<QString> Template(int lines) {
    SpareList<QString> pieces;
    for (int i = 1; i <= lines; ++i) pieces.Append(QStringLiteral("<P%1>").arg(i));
    return pieces;
}

class MapFiles : public testing::Test {
protected:
    const DefaultLocale english{QLocale::English, QLocale::UnitedStates};  // the expected texts use "."
    ProgramFolder folder{ProgramFolder::Data};
    PoiList pois;

    void SetUp() override {
        pois.Append(Poi(24.14, 120.68, "3", "Station"));
        pois.Append(Poi(-33.85, 151.2, "1", "Opera <b>House</b>"));
        // The page compares the name as stored with the names typed for new POIs: it stays as it is.
        pois.Append(Poi(48.1, 11.5, "2", "Depot &amp; Nord | Ost"));
    }
    QByteArray Markers() const { return folder.Read("carimage/markers.txt"); }
    QByteArray Page() const { return folder.Read("carimage/map.htm"); }
};

const QByteArray ExpectedPoiLines =
    "24.14|120.68|House\\House3.gif|Station\r\n"
    "-33.85|151.2|House\\House1.gif|Opera <b>House</b>\r\n"
    "48.1|11.5|House\\House2.gif|Depot &amp; Nord | Ost\r\n";

}  // namespace

TEST(MapValues, CoordinateTextIsGeneralDecimalText) {
    EXPECT_EQ(MapCoordinateText(121.50825), "121.50825");
    EXPECT_EQ(MapCoordinateText(24.1), "24.1");
    EXPECT_EQ(MapCoordinateText(-33.86785), "-33.86785");
    EXPECT_EQ(MapCoordinateText(120), "120");
    EXPECT_EQ(MapCoordinateText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(MapCoordinateText(SignedLatitude("S", 0)), "0");
}

TEST(MapValues, OnlySouthAndWestNegate) {
    EXPECT_EQ(SignedLatitude("S", 33.8678), -33.8678);
    EXPECT_EQ(SignedLatitude("N", 33.8678), 33.8678);
    EXPECT_EQ(SignedLatitude("", 33.8678), 33.8678);
    EXPECT_EQ(SignedLatitude("s", 33.8678), 33.8678);
    EXPECT_EQ(SignedLongitude("W", 58.38), -58.38);
    EXPECT_EQ(SignedLongitude("E", 58.38), 58.38);
    EXPECT_EQ(SignedLongitude("S", 58.38), 58.38);
}

TEST(MapValues, IconAngleRoundsHalvesToEvenInSinglePrecision) {
    const std::pair<float, const char*> cases[] = {{0, "000"},      {22.5f, "000"},  {44, "045"},     {67.5f, "090"},
                                                   {112.5f, "090"}, {157.5f, "180"}, {337.5f, "000"}, {359, "000"},
                                                   {200, "180"},    {315, "315"},    {720, "000"}};
    for (const auto& [heading, angle] : cases) EXPECT_EQ(IconAngle(heading), angle) << heading;
    // A broken course still names an icon that exists.
    EXPECT_EQ(IconAngle(-45), "315");
    EXPECT_EQ(IconAngle(std::numeric_limits<float>::quiet_NaN()), "000");
}

TEST(MapValues, ZoomTextIsTheCaptionsLeadingNumber) {
    EXPECT_EQ(ZoomText("15"), "15");
    EXPECT_EQ(ZoomText(" 1 6x"), "16");
    EXPECT_EQ(ZoomText(""), "0");
}

TEST_F(MapFiles, VehicleLineThenEveryPoi) {
    const FixRecord fix = FixRecord::FromTrack(Position("2024/05/01 10:00:00", "N", 24.1502, "E", 120.6712, 90, 12.5));
    WriteVehicleMarkers(folder.Path(), fix, pois);
    EXPECT_EQ(Markers(),
              "24.1502|120.6712|C-rv\\car090.gif|2024/05/01 10:00:00<br>Direction:East<br>Speed:12.5 knots\r\n" +
                  ExpectedPoiLines);
}

TEST_F(MapFiles, SouthernAndWesternFixesAreNegativeButPoisStayAsStored) {
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position("t", "S", 33.8678, "E", 151.2073, 200, 3)), pois);
    EXPECT_TRUE(Markers().startsWith("-33.8678|151.2073|C-rv\\car180.gif|t<br>Direction:South<br>Speed:3   knots\r\n"));
    EXPECT_TRUE(Markers().endsWith(ExpectedPoiLines));

    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position("t", "N", 51.5, "W", 0.1275, 270, 0)), PoiList{});
    EXPECT_EQ(Markers(), "51.5|-0.1275|C-rv\\car270.gif|t<br>Direction:West<br>Speed:0   knots\r\n");
}

TEST_F(MapFiles, TrailMarksTheSelectedPositionAndCentresOnIt) {
    TrackList track;
    track.Append(Position("t0", "N", 24.1, "E", 120.6, 0, 1));
    track.Append(Position("t1", "S", 24.2, "W", 120.7, 45, 2));
    track.Append(Position("t2", "N", 24.3, "E", 120.8, 90, 3));
    track.Append(Position("t3", "N", 24.4, "E", 120.9, 315, 4));
    WriteTrailMarkers(folder.Path(), track, 1, pois);
    EXPECT_EQ(Markers(),
              "24.1|120.6|POI\\car000.gif|t0<br>Direction:North<br>Speed:1   knots\r\n"
              "-24.2|-120.7|C-Rv\\car045.gif|t1<br>Direction:Northeast<br>Speed:2   knots\r\n"
              "24.3|120.8|POI\\car090.gif|t2<br>Direction:East<br>Speed:3   knots\r\n"
              "24.4|120.9|POI\\car315.gif|t3<br>Direction:Northwest<br>Speed:4   knots\r\n" +
                  ExpectedPoiLines);
}

TEST_F(MapFiles, EmptyTrailWritesOnlyPoisAndTheSpareCentresOnZero) {
    TrackList track;
    WriteTrailMarkers(folder.Path(), track, 0, pois);
    EXPECT_EQ(Markers(), ExpectedPoiLines);
    WriteMapPage(folder.Path(), Template(6), SignedLatitude(track[0].NS, track[0].Lat),
                 SignedLongitude(track[0].EW, track[0].Lon), "15");
    EXPECT_TRUE(Page().contains("<P3>0,0<P4>"));
}

TEST_F(MapFiles, SelectionOutsideTheTrailFailsBeforeTheFileIsTouched) {
    folder.Write("carimage/markers.txt", "previous\r\n");
    TrackList track;
    track.Append(Position("t0", "N", 24.1, "E", 120.6, 0, 1));
    EXPECT_THROW(WriteTrailMarkers(folder.Path(), track, 2, pois), StationError);
    EXPECT_THROW(WriteTrailMarkers(folder.Path(), track, -1, pois), StationError);
    EXPECT_EQ(Markers(), "previous\r\n");
}

TEST_F(MapFiles, EmptyPoiListLeavesOnlyThePositions) {
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position("t", "N", 1.5, "E", 2.5, 0, 0)), PoiList{});
    EXPECT_EQ(Markers().count("\r\n"), 1);
}

TEST_F(MapFiles, CommaLocaleStillWritesPointsInCoordinates) {
    DefaultLocale comma(QLocale::German, QLocale::Germany);
    const FixRecord fix = FixRecord::FromTrack(Position("t", "S", 33.8678, "W", 151.2073, 90, 12.5));
    WriteVehicleMarkers(folder.Path(), fix, pois);
    WriteMapPage(folder.Path(), Template(6), SignedLatitude(fix.NS, fix.Lat), SignedLongitude(fix.EW, fix.Lon), "15");
    // The speed follows the locale; the coordinates the map parses never do.
    EXPECT_TRUE(
        Markers().startsWith("-33.8678|-151.2073|C-rv\\car090.gif|t<br>Direction:East<br>Speed:12,5 knots\r\n"));
    EXPECT_TRUE(Markers().endsWith(ExpectedPoiLines));
    EXPECT_TRUE(Page().contains("<P3>-33.8678,-151.2073<P4>"));
}

TEST_F(MapFiles, PageIsTheSixPiecesWithTheFiveValuesBetween) {
    WriteMapPage(folder.Path(), Template(8), 24.1502, -120.6712, "16");
    const QByteArray expected = "<P1>" + HandBackFilePath(folder.Path()).toUtf8() +
                                "<P2>House\\House1.gif<P3>24.1502,-120.6712<P4>16<P5>markers.txt<P6>\r\n";
    EXPECT_EQ(Page(), expected);
    // The hand-back path is the program folder's real one, in the platform's form.
    EXPECT_EQ(HandBackFilePath(folder.Path()), QDir(folder.Path()).canonicalPath() + "/poi.txt");
}

TEST_F(MapFiles, FiveLineTemplateLeavesTheSixthPieceEmpty) {
    WriteMapPage(folder.Path(), Template(5), 1, 2, "15");
    EXPECT_TRUE(Page().endsWith("<P4>15<P5>markers.txt\r\n"));
}

TEST_F(MapFiles, FourLineTemplateFailsAndKeepsThePreviousPage) {
    folder.Write("carimage/map.htm", "previous page\r\n");
    try {
        WriteMapPage(folder.Path(), Template(4), 1, 2, "15");
        FAIL() << "a four-line template was taken";
    } catch (const StationError& e) {
        EXPECT_TRUE(e.Description().contains("Standards.txt")) << e.Description().toStdString();
        EXPECT_TRUE(e.Description().contains("five")) << e.Description().toStdString();
    }
    EXPECT_EQ(Page(), "previous page\r\n");
}

TEST_F(MapFiles, PageIsOneLineWhateverTheFolderIsCalled) {
    const QString odd = folder.File("line\nbreak \"quoted\" \\ folder");
    ASSERT_TRUE(QDir().mkpath(odd + "/carimage"));
    WriteMapPage(odd, Template(6), 1, 2, "15");
    QFile page(odd + "/carimage/map.htm");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    EXPECT_EQ(bytes.count('\n'), 1);
    EXPECT_EQ(bytes.count('\r'), 1);
    EXPECT_TRUE(bytes.endsWith("<P6>\r\n"));
}

TEST_F(MapFiles, ShippedTemplateGivesAOneLinePage) {
    const SpareList<QString> pieces = ReadMapTemplate(folder.Path());
    ASSERT_EQ(pieces.UBound(), 6);
    for (const QString& piece : pieces) EXPECT_FALSE(piece.contains('\r') || piece.contains('\n'));
    WriteMapPage(folder.Path(), pieces, 24.1502, 120.6712, "15");
    const QByteArray page = Page();
    EXPECT_EQ(page.count("\r\n"), 1);
    EXPECT_TRUE(page.endsWith("</html>\r\n"));
    EXPECT_TRUE(page.contains("id=\"handBackPath\">" + HandBackFilePath(folder.Path()).toUtf8() + "</script>"));
    EXPECT_TRUE(page.contains(">24.1502,120.6712</script>"));
    EXPECT_TRUE(page.contains(">markers.txt</script>"));
}

TEST_F(MapFiles, AFileThatCannotBeWrittenIsReportedWithPathAndReason) {
    ProgramFolder bare;
    const FixRecord fix = FixRecord::FromTrack(Position("t", "N", 1, "E", 2, 0, 0));
    const auto error = [&](const QString& folder) {
        try {
            WriteVehicleMarkers(folder, fix, pois);
        } catch (const StationError& e) {
            return e.Description();
        }
        return QString();
    };
    EXPECT_TRUE(error(bare.Path()).contains("markers.txt")) << "no map folder";
    EXPECT_THROW(ReadMapTemplate(bare.Path()), StationError);
    {
        const FileSizeLimit full(10);  // a disk that fills during the drawing
        EXPECT_TRUE(error(folder.Path()).endsWith("markers.txt: " + qt_error_string(EFBIG)));
    }
}
