#include "printouts/LayoutParts.h"
#include "printouts/ReportLayouts.h"

using namespace LayoutParts;

ReportLayout TrackReportLayout() {
    const ReportFont heading = Arial(9.75, true);
    const ReportFont field = Arial(9.75);
    const ReportFont pageNumber = PMingLiU(9.75);
    ReportLayout r;
    r.name = "TrackReport";
    r.reportWidth = 10845;
    r.font = PMingLiU(9);
    r.caption = QString::fromUtf8("列印航跡列表");
    r.windowLeft = 60;
    r.windowTop = 450;
    r.windowWidth = 11280;
    r.windowHeight = 5160;
    r.sections = {
        Section("Section4", ReportSectionKind::ReportHeader, 600,
                {Label("PrintDate", "列印日期：", 8565, 330, 2205, 225, heading),
                 Label("MAPDetail", "車輛編號：", 60, 0, 3045, 225, heading),
                 Label("GPSdate", "", 60, 330, 8430, 225, heading)}),
        Section("Section2", ReportSectionKind::PageHeader, 405,
                {Label("Label1", "衛星時間", 45, 60, 1650, 285, heading),
                 Label("Label2", "衛星狀態", 1920, 60, 1665, 285, heading),
                 Label("Label3", "位置", 3735, 60, 5730, 300, heading),
                 Label("Label4", "速度", 9780, 60, 870, 300, heading), Rule("Shape1", 30, 315, 10770),
                 Rule("Shape2", 30, 360, 10770), Rule("Shape5", 60, 30, 10770)}),
        Section("Section1", ReportSectionKind::Detail, 300,
                {TextBox("Text1", "DialTime", 60, 45, 2175, 240, field),
                 TextBox("Text2", "CheckPoint", 1935, 30, 1950, 240, field),
                 TextBox("Text3", "Position", 3750, 45, 5730, 240, field),
                 TextBox("Text4", "Speed_1", 9795, 45, 930, 240, field)}),
        Section("Section3", ReportSectionKind::PageFooter, 465,
                {Label("Label18", "%p/%P", 9825, 165, 1020, 240, pageNumber),
                 Label("Label19", "頁次：", 8940, 165, 840, 225, pageNumber), Rule("Shape3", 45, 45, 10770),
                 Rule("Shape4", 45, 90, 10770)}),
        Section("Section5", ReportSectionKind::ReportFooter, 0),
    };
    return r;
}
