// The two track export formats, byte for byte with their line ends.
#include <gtest/gtest.h>

#include <QLocale>

#include "DefaultLocale.h"
#include "monitor/TrackExport.h"

namespace {

SpareList<TrackRecord> TwoDays() {
    SpareList<TrackRecord> list;
    list.Append({"2009/02/18 10:15:30", "E", 120.6789, "N", 24.12345, 12.5f, 90, "A"});
    list.Append({"2009/02/18 10:16:00", "W", 99.25, "S", 5.5, 0, 0, "V"});  // letters are not written
    list.Append({"2009/02/19 00:00:05", "E", 121.60016, "N", 24.99999, 0, 0, "A"});
    return list;
}

const QByteArray Format1 =
    "Datum,WGS84,WGS84,0,0,0,0,0\r\n"
    "TP,D, 24.123450000, 120.678900000, 09/02/18,10:15:30,0\r\n"
    "TP,D, 5.500000000, 99.250000000, 09/02/18,10:16:00,0\r\n"
    "TP,D, 24.999990000, 121.600160000, 09/02/19,00:00:05,0\r\n";

const QByteArray Header = "H  LATITUDE    LONGITUDE    DATE      TIME     ALT    ;track\r\n";

}  // namespace

TEST(TrackExport, BothFormatsByteForByte) {
    const DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(TrackExportText(TwoDays(), 1), Format1);
    EXPECT_EQ(TrackExportText(TwoDays(), 2), Header +
                                                 "T  +24.1234500 +120.6789000 18-FEB-09 10:15:30 -9999\r\n"
                                                 "T  +5.5000000  +99.2500000  18-FEB-09 10:16:00 -9999\r\n"
                                                 "\r\n" +
                                                 Header + "T  +24.9999900 +121.6001600 19-FEB-09 00:00:05 -9999\r\n");
    EXPECT_EQ(Header.size(), 62);

    // The same day and month a year later is another day.
    SpareList<TrackRecord> years = TwoDays();
    years.Append({"2010/02/19 00:00:05", "E", 121.60016, "N", 24.99999, 0, 0, "A"});
    EXPECT_TRUE(TrackExportText(years, 2).endsWith("-9999\r\n\r\n" + Header +
                                                   "T  +24.9999900 +121.6001600 19-FEB-10 00:00:05 -9999\r\n"));

    const SpareList<TrackRecord> empty;
    EXPECT_EQ(TrackExportText(empty, 1), "Datum,WGS84,WGS84,0,0,0,0,0\r\n");
    EXPECT_EQ(TrackExportText(empty, 2), "");
    EXPECT_EQ(TrackExportText(TwoDays(), 3), "");
    EXPECT_EQ(TrackExportText(TwoDays(), 0), "");
}

TEST(TrackExport, ACommaLocaleStillWritesPoints) {
    const DefaultLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(TrackExportText(TwoDays(), 1), Format1);
    EXPECT_TRUE(TrackExportText(TwoDays(), 2).contains("\r\nT  +5.5000000  +99.2500000  18-"));
}
