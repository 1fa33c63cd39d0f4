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

TEST(HandBackImport, PointIsTheDecimalMarkInEveryLocale) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    const QList<HandBackPoi> pois = ParseHandBackFile("Harbour,24.15,120.65\r\n");
    ASSERT_EQ(pois.size(), 1);
    EXPECT_DOUBLE_EQ(pois[0].Lat, 24.15);
}
