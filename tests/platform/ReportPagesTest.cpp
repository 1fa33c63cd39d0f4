#include <gtest/gtest.h>

#include "platform/ReportPages.h"
#include "printouts/ReportLayouts.h"

namespace {

// TrackReport: report header 600, page header 405, detail 300, page footer 465 twips.
const ReportLayout kTrack = TrackReportLayout();
constexpr double kThreeRecordPage = 600 + 405 + 3 * 300 + 465;

QString NameOf(const ReportLayout& layout, const ReportBand& band) {
    return layout.sections[band.section].name + (band.record >= 0 ? "#" + QString::number(band.record) : "");
}

QStringList Names(const ReportLayout& layout, const ReportPage& page) {
    QStringList names;
    for (const ReportBand& band : page) names << NameOf(layout, band);
    return names;
}

}  // namespace

TEST(PaginateReport, DetailsFillEachPageAboveItsFooterAndTheRestGoOver) {
    EXPECT_EQ(PaginateReport(kTrack, 3, kThreeRecordPage).size(), 1);
    const QList<ReportPage> pages = PaginateReport(kTrack, 4, kThreeRecordPage);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(Names(kTrack, pages[0]),
              (QStringList{"Section4", "Section2", "Section1#0", "Section1#1", "Section1#2", "Section3"}));
    EXPECT_EQ(Names(kTrack, pages[1]), (QStringList{"Section2", "Section1#3", "Section5", "Section3"}));
    EXPECT_EQ(pages[1][1].top, 405) << "the report header opens the first page only";
    for (const ReportPage& page : pages) EXPECT_EQ(page.last().top, kThreeRecordPage - 465) << "footer at the foot";
}

TEST(PaginateReport, AReportWithoutRecordsIsOnePageWithoutItsGroupSections) {
    const ReportLayout power = PowerReportLayout();
    const QList<ReportPage> empty = PaginateReport(power, 0, 15838);
    ASSERT_EQ(empty.size(), 1);
    EXPECT_EQ(Names(power, empty[0]), (QStringList{"Section4", "Section2", "Section5", "Section3"}));

    const QList<ReportPage> two = PaginateReport(power, 2, 15838);
    EXPECT_EQ(Names(power, two[0]).mid(2, 4),
              (QStringList{"StockGroup#0", "StockDetail#0", "StockDetail#1", "Section7#1"}));
}

TEST(PaginateReport, BandsTallerThanThePageStillTakeOnePageEach) {
    const QList<ReportPage> pages = PaginateReport(kTrack, 3, 500);
    ASSERT_EQ(pages.size(), 3);
    for (const ReportPage& page : pages) EXPECT_EQ(Names(kTrack, page).filter("Section1#").size(), 1);
}

TEST(PageCaption, GivesThePageAndTheNumberOfPages) {
    EXPECT_EQ(PageCaption("%p/%P", 2, 5), "2/5");
    EXPECT_EQ(PageCaption("%P pages, page %p of %P", 12, 30), "30 pages, page 12 of 30");
    EXPECT_EQ(PageCaption(QString::fromUtf8("頁次："), 1, 1), QString::fromUtf8("頁次："));
}
