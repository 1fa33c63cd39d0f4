#include <gtest/gtest.h>

#include <QRectF>

#include "printouts/ReportLayouts.h"

namespace {

const ReportLayout kLayouts[] = {MapReportLayout(), TrackReportLayout(), PowerReportLayout(), TollReportLayout()};

QStringList TextBoxFields(const ReportSection& section) {
    QStringList fields;
    for (const ReportControl& c : section.controls)
        if (c.kind == ReportControlKind::TextBox) fields << c.dataField;
    return fields;
}

}  // namespace

TEST(ReportLayouts, SectionsStandInPrintOrderAndEveryControlFitsItsSectionAndThePage) {
    for (const ReportLayout& layout : kLayouts) {
        SCOPED_TRACE(layout.name.toStdString());
        EXPECT_EQ(layout.leftMargin + layout.rightMargin + layout.topMargin + layout.bottomMargin, 2000);
        for (int i = 1; i < layout.sections.size(); ++i)
            EXPECT_LT(layout.sections[i - 1].kind, layout.sections[i].kind) << "section " << i;
        for (const ReportSection& s : layout.sections)
            for (const ReportControl& c : s.controls) {
                EXPECT_LE(c.left + c.width, layout.reportWidth) << c.name.toStdString();
                EXPECT_LE(c.top + c.height, s.height) << s.name.toStdString() << "/" << c.name.toStdString();
            }
    }
}

TEST(ReportLayouts, TrackReportBindsItsFourFieldsAndNumbersItsPages) {
    const ReportLayout track = TrackReportLayout();
    EXPECT_EQ(TextBoxFields(*track.Section("Section1")),
              (QStringList{"DialTime", "CheckPoint", "Position", "Speed_1"}));
    EXPECT_EQ(track.Section("Section1")->kind, ReportSectionKind::Detail);
    EXPECT_EQ(track.Control("Section3", "Label18")->caption, "%p/%P");
    EXPECT_EQ(track.Control("Section3", "Label19")->caption, QString::fromUtf8("頁次："));
    EXPECT_EQ(track.Control("Section4", "GPSdate")->caption, "");
    EXPECT_EQ(track.Control("Section2", "Shape5")->kind, ReportControlKind::Shape);
    EXPECT_EQ(track.caption, QString::fromUtf8("列印航跡列表"));
}

TEST(ReportLayouts, MapReportCarriesTheMapPictureInItsPageHeader) {
    const ReportLayout map = MapReportLayout();
    const ReportControl* image = map.Control("Section2", "MapImage");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->kind, ReportControlKind::Image);
    EXPECT_EQ(map.Section("Section2")->kind, ReportSectionKind::PageHeader);
    EXPECT_EQ(QRectF(map.windowLeft, map.windowTop, map.windowWidth, map.windowHeight), QRectF(60, 450, 11265, 11010));
    EXPECT_EQ(map.font.name, "PMingLiU");
}

TEST(ReportLayouts, GroupedReportsHaveTheirGroupAndUnboundTextBoxes) {
    for (const ReportLayout& layout : {PowerReportLayout(), TollReportLayout()}) {
        SCOPED_TRACE(layout.name.toStdString());
        ASSERT_NE(layout.SectionOf(ReportSectionKind::GroupHeader), nullptr);
        EXPECT_EQ(layout.SectionOf(ReportSectionKind::GroupHeader)->name, "StockGroup");
        EXPECT_EQ(layout.SectionOf(ReportSectionKind::GroupFooter)->name, "Section7");
        for (const ReportSection& s : layout.sections)
            for (const QString& field : TextBoxFields(s)) EXPECT_EQ(field, "");
    }
    EXPECT_FALSE(TollReportLayout().Control("Section4", "PrintDate")->font.has_value()) << "the report's default";
    EXPECT_EQ(TollReportLayout().Control("StockGroup", "Label1")->caption, QString::fromUtf8("車輛編號:"));
}
