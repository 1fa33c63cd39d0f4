#include "printouts/gui/MapReport.h"

#include "common/ErrorText.h"
#include "common/gui/FormPosition.h"
#include "platform/PathIgnoringCase.h"
#include "platform/gui/LoadPicture.h"
#include "platform/gui/MessageBox.h"
#include "printouts/ReportLayouts.h"

MapReport::MapReport(const QString& programFolder, QWidget* parent)
    : DataReport(MapReportLayout(), parent), programFolder_(programFolder) {
    DataReport_Initialize();
}

QString MapReport::PicturePath(const QString& programFolder) {
    return PathIgnoringCase(programFolder, QStringLiteral("image/map8.bmp"));
}

void MapReport::DataReport_Initialize() {
    RestoreFormPosition(this, programFolder_, "Position", "MapReport", 0, 0);
    try {
        Runtime().SetPicture("Section2", "MapImage", LoadPicture(PicturePath(programFolder_)));
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
    }
}

void MapReport::DataReport_ProcessingTimeout(int, bool& cancel, int jobType, int) {
    if (jobType == ReportRuntime::Print) cancel = true;
}

void MapReport::DataReport_Terminate() { SaveFormPosition(this, programFolder_, "Position", "MapReport"); }
