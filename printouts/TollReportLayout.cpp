#include "printouts/LayoutParts.h"
#include "printouts/ReportLayouts.h"

using namespace LayoutParts;

ReportLayout TollReportLayout() {
    const ReportFont heading = Arial(12, true);
    const ReportFont field = Arial(12);
    const ReportFont pageNumber = PMingLiU(12);
    ReportLayout r;
    r.name = "TollReport";
    r.reportWidth = 10770;
    r.font = Arial(9.75);
    r.caption = QString::fromUtf8("回數票使用報表");
    r.windowLeft = 60;
    r.windowTop = 450;
    r.windowWidth = 11340;
    r.windowHeight = 5640;
    r.sections = {
        // Image1 is the report's letterhead; the station has no picture for it, so it prints empty.
        Section("Section4", ReportSectionKind::ReportHeader, 1995,
                {Picture("Image1", 15, 0, 3915, 1995),
                 Label("Label6", "回數票使用報表", 2955, 1650, 2925, 345, Arial(14.25, true)),
                 Label("PrintDate", "列印日期：", 7830, 1695, 2925, 255, std::nullopt)}),
        Section("Section2", ReportSectionKind::PageHeader, 0),
        Section("StockGroup", ReportSectionKind::GroupHeader, 435,
                {Label("Label1", "車輛編號:", 120, 45, 1335, 330, heading),
                 TextBox("txtPlateNumber", "", 1245, 45, 2970, 330, heading),
                 Label("Label2", "經過時間", 4860, 45, 1065, 330, heading),
                 Label("Label3", "收費站", 8190, 45, 1335, 330, heading), Rule("Shape2", 0, 345, 10770),
                 Rule("Shape3", 0, 345, 10770), Rule("Shape4", 0, 405, 10770)}),
        Section(
            "StockDetail", ReportSectionKind::Detail, 315,
            {TextBox("txtCarTime", "", 4290, 0, 3000, 315, field), TextBox("txtToll", "", 8145, 0, 2010, 315, field)}),
        Section("Section7", ReportSectionKind::GroupFooter, 15, {Rule("Shape1", 0, 15, 10770)}),
        Section("Section3", ReportSectionKind::PageFooter, 300,
                {Label("Label18", "%p/%P", 9765, 60, 885, 240, pageNumber),
                 Label("Label19", "頁次：", 8880, 60, 840, 225, pageNumber)}),
        Section("Section5", ReportSectionKind::ReportFooter, 0),
    };
    return r;
}
