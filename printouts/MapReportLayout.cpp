#include "printouts/LayoutParts.h"
#include "printouts/ReportLayouts.h"

using namespace LayoutParts;

ReportLayout MapReportLayout() {
    ReportLayout r;
    r.name = "MapReport";
    r.reportWidth = 10837;
    r.font = PMingLiU(9);
    r.caption = QString::fromUtf8("列印地圖");
    r.windowLeft = 60;
    r.windowTop = 450;
    r.windowWidth = 11265;
    r.windowHeight = 11010;
    r.sections = {
        Section("Section4", ReportSectionKind::ReportHeader, 375,
                {Label("MAPDetail", "車輛編號：", 180, 90, 8820, 225, PMingLiU(12)),
                 Label("PrintDate", "列印日期：", 8595, 90, 2205, 210, PMingLiU(12))}),
        // The picture is loaded when the report opens; the design holds none.
        Section("Section2", ReportSectionKind::PageHeader, 6885, {Picture("MapImage", 60, 0, 10770, 6810)}),
        Section("Section1", ReportSectionKind::Detail, 0),
        Section("Section3", ReportSectionKind::PageFooter, 0),
        Section("Section5", ReportSectionKind::ReportFooter, 360),
    };
    return r;
}
