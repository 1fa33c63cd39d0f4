#include "printouts/LayoutParts.h"
#include "printouts/ReportLayouts.h"

using namespace LayoutParts;

ReportLayout PowerReportLayout() {
    const ReportFont title = Arial(12);
    const ReportFont heading = Arial(9.75, true);
    const ReportFont field = Arial(9.75);
    const ReportFont pageNumber = PMingLiU(9.75);
    ReportLayout r;
    r.name = "PowerReport";
    r.reportWidth = 10785;
    r.font = PMingLiU(9);
    r.caption = "PowerReport";
    r.windowLeft = 60;
    r.windowTop = 450;
    r.windowWidth = 13080;
    r.windowHeight = 7470;
    r.sections = {
        Section("Section4", ReportSectionKind::ReportHeader, 420,
                {Label("PrintDate", "列印日期：", 7860, 45, 2925, 315, title),
                 Label("Label6", "車輛怠速報表", 90, 45, 2925, 315, title)}),
        Section("Section2", ReportSectionKind::PageHeader, 0),
        Section("StockGroup", ReportSectionKind::GroupHeader, 675,
                {Label("Label1", "車輛編號：", 105, 30, 1350, 330, heading),
                 TextBox("txtPlateNumber", "", 1500, 30, 2970, 315, heading), Rule("Shape3", 0, 630, 10770),
                 Rule("Shape4", 15, 585, 10770), Label("Label2", "開始時間", 645, 345, 1350, 330, heading),
                 Label("Label3", "結束時間", 3180, 345, 1350, 330, heading),
                 Label("Label4", "時間", 4785, 345, 1020, 330, heading),
                 Label("Label5", "停留位置", 6645, 345, 1350, 330, heading),
                 Label("Label7", "停留狀態", 9405, 345, 1095, 330, heading)}),
        Section(
            "StockDetail", ReportSectionKind::Detail, 360,
            {TextBox("txtSD", "", 150, 30, 2310, 270, field), TextBox("txtED", "", 2460, 30, 2310, 270, field),
             TextBox("txtPower", "", 4770, 30, 765, 270, field), TextBox("txtAddress", "", 5895, 30, 3420, 270, field),
             TextBox("txtState", "", 9435, 30, 1320, 270, field)}),
        Section("Section7", ReportSectionKind::GroupFooter, 105, {Rule("Shape1", 0, 60, 10770)}),
        Section("Section3", ReportSectionKind::PageFooter, 285,
                {Label("Label18", "%p/%P", 9750, 30, 1020, 240, pageNumber),
                 Label("Label19", "頁次：", 8865, 30, 840, 225, pageNumber)}),
        Section("Section5", ReportSectionKind::ReportFooter, 0),
    };
    return r;
}
