#include "printouts/gui/TrackReport.h"

#include "printouts/ReportLayouts.h"

TrackReport::TrackReport(QWidget* parent) : DataReport(TrackReportLayout(), parent) {}

void TrackReport::DataReport_ProcessingTimeout(int, bool& cancel, int jobType, int) {
    if (jobType == ReportRuntime::Print) cancel = true;
}
