#include <gtest/gtest.h>

#include "DefaultLocale.h"
#include "monitor/HandBackImport.h"

TEST(HandBackImport, UsableLinesInFileOrderAndEveryOtherLineSkipped) {
    const QList<HandBackPoi> pois = ParseHandBackFile(
        "Harbour,24.15,120.65\r\n\r\nonly,two\r\nStation,24.14,120.68,extra\rBad,north,120\r\nSouth,-33.9,151.2");
    ASSERT_EQ(pois.size(), 3);
    EXPECT_EQ(pois[0].Name, "Harbour");
    EXPECT_DOUBLE_EQ(pois[0].Lat, 24.15);
    EXPECT_DOUBLE_EQ(pois[0].Lon, 120.65);
    EXPECT_EQ(pois[1].Name, "Station") << "a CR alone ends a line; a fourth field is ignored";
    EXPECT_DOUBLE_EQ(pois[1].Lon, 120.68);
    EXPECT_DOUBLE_EQ(pois[2].Lat, -33.9) << "a negative value is kept as it is";
}

TEST(HandBackImport, OnlyFiniteNumbersAndNamedLinesPass) {
    // A NUL would cut the database's statement short: its line is skipped like the others, not the whole file.
    const QList<HandBackPoi> pois = ParseHandBackFile(QByteArrayLiteral(
        "A,nan,120\r\nB,24,inf\r\nC,-inf,1\r\n,24,120\r\n  ,24,120\r\nN\0L,24,120\r\nGood,24.1,120.6\r\n"));
    ASSERT_EQ(pois.size(), 1);
    EXPECT_EQ(pois[0].Name, "Good");
}

TEST(HandBackImport, ALineThatIsNotUtf8IsBig5) {
    const QList<HandBackPoi> pois =
        ParseHandBackFile("\xA6\x61\xBC\xD0,24.1,120.6\r\n中文站,24.3,120.8\r\n\xA5\x78\xA4\xA4,24.2,120.7\r\n");
    ASSERT_EQ(pois.size(), 3);
    EXPECT_EQ(pois[0].Name, QString::fromUtf8("地標"));
    EXPECT_EQ(pois[1].Name, QString::fromUtf8("中文站")) << "the UTF-8 line among them stays UTF-8";
    EXPECT_EQ(pois[2].Name, QString::fromUtf8("台中"));
}

TEST(HandBackImport, PointIsTheDecimalMarkInEveryLocale) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    const QList<HandBackPoi> pois = ParseHandBackFile("Harbour,24.15,120.65\r\n");
    ASSERT_EQ(pois.size(), 1);
    EXPECT_DOUBLE_EQ(pois[0].Lat, 24.15);
}
