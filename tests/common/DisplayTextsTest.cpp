#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cmath>

#include "DefaultLocale.h"
#include "ProgramFolder.h"
#include "common/DisplayTexts.h"

namespace {
const QString kDeg = QString(QChar(0x00B0));
}

TEST(FormatTimestamp, AlwaysSlashesAndColonsZeroPadded) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatTimestamp(QDateTime(QDate(2026, 12, 7), QTime(22, 11, 54))), "2026/12/07 22:11:54");
    EXPECT_EQ(FormatTimestamp(QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0))), "2027/01/01 00:00:00");
}

TEST(ConvertTimestamp, ModeOneGivesUpperCaseDayMonthYearWithTheEnglishMonthInEveryLocale) {
    DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ConvertTimestamp("2026/01/05 08:09:10", 1), "05-JAN-26 08:09:10");
    EXPECT_EQ(ConvertTimestamp("2026/ 1/ 5  8: 9:10", 1), "05-JAN-26 08:09:10") << "blanks inside a piece";
    const char* const months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(ConvertTimestamp(QStringLiteral("2026/%1/15 08:09:10").arg(m, 2, 10, QLatin1Char('0')), 1),
                  QStringLiteral("15-%1-26 08:09:10").arg(months[m - 1]));
    }
    EXPECT_EQ(ConvertTimestamp("2026/12/07 22:11:54", 0), "12/7/26 10:11 PM");
    {
        DefaultLocale german(QLocale::German, QLocale::Germany);
        EXPECT_EQ(ConvertTimestamp("2026/03/07 22:11:54", 1), "07-MAR-26 22:11:54");
        EXPECT_TRUE(ConvertTimestamp("2026/12/07 22:11:54", 2).startsWith("07.12.26")) << "other modes stay regional";
    }
    DefaultLocale french(QLocale::French, QLocale::France);
    EXPECT_EQ(ConvertTimestamp("2009/02/18 00:00:01", 1), "18-FEB-09 00:00:01") << "not FÉVR., which cuts the time";
}

TEST(ConvertTimestamp, PartsBeyondTheirRangeCarryIntoTheNextUnit) {
    DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ConvertTimestamp("2024/03/00 12:30:00", 1), "29-FEB-24 12:30:00");
    EXPECT_EQ(ConvertTimestamp("2026/12/31 23:59:60", 1), "01-JAN-27 00:00:00");
    EXPECT_EQ(ConvertTimestamp("2026/03/29 02:30:00", 1), "29-MAR-26 02:30:00") << "no daylight-saving gap";
}

TEST(ConvertTimestamp, TextsThatGiveNoDateGiveEmpty) {
    for (const char* text : {"", "garbage", "0000/00/00 00:00:00", "9999/12/31 24:00:00", "-999/01/01 00:00:00"})
        for (int16_t mode : {1, 0}) EXPECT_EQ(ConvertTimestamp(text, mode), "") << text << " mode " << mode;
}

TEST(FormatDegrees, DegreesMinutesAndSecondsWithMarksAndTrailingBlank) {
    EXPECT_EQ(FormatDegrees("N", 24.1063), "N 24" + kDeg + " 06' 23\" ");
    EXPECT_EQ(FormatDegrees("E", 121.5), "E 121" + kDeg + " 30' 00\" ");
    EXPECT_EQ(FormatDegrees("N", 24.99999), "N 24" + kDeg + " 59' 60\" ") << "seconds are not carried";
    EXPECT_EQ(FormatDegrees("N", 24.00625), "N 24" + kDeg + " 00' 22\" ") << "22.5 seconds: the half goes to even";
}

TEST(FormatDegrees, NothingForZeroNegativeNotANumberOrTooLarge) {
    for (double value : {0.0, -3.0, std::nan(""), double(INFINITY), 40000.0})
        EXPECT_EQ(FormatDegrees("S", value), "") << value;
}

TEST(FormatSpeed, OneDecimalHalfAwayFromZeroAndAZeroDecimalAsTwoBlanks) {
    DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    ProgramFolder folder(ProgramFolder::Data);
    const std::pair<float, const char*> cases[] = {
        {0, "0   knots"},      {12.25f, "12.3 knots"},  {0.35f, "0.4 knots"}, {100.04f, "100   knots"},
        {9.96f, "10   knots"}, {1000, "1,000   knots"}, {-0.04f, "0   knots"}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(FormatSpeed(folder.Path(), value), expected) << value;
}

TEST(FormatSpeed, RegionalSeparatorsAndOnlyTheTrailingZeroDecimalBlanked) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    ProgramFolder folder(ProgramFolder::Data);
    EXPECT_EQ(FormatSpeed(folder.Path(), 12.25f), "12,3 knots");
    EXPECT_EQ(FormatSpeed(folder.Path(), 1000), "1.000   knots");
    EXPECT_EQ(FormatSpeed(folder.Path(), 1000.5f), "1.000,5 knots");
}

TEST(FormatSpeed, UnitIsReadAtEveryCall) {
    DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    ProgramFolder folder;
    EXPECT_EQ(FormatSpeed(folder.Path(), 12.34f), "12.3") << "no language file: no unit";
    folder.Write("Language.ini", "[Private]\r\n0001=\" km/h\"\r\n");
    EXPECT_EQ(FormatSpeed(folder.Path(), 12.34f), "12.3 km/h");
}

TEST(HeadingToDirection, EightSectorsWithHalvesToEven) {
    ProgramFolder folder(ProgramFolder::Data);
    const std::pair<float, const char*> cases[] = {
        {0, "North"},       {22.5f, "North"},  {-22.5f, "North"}, {22.6f, "Northeast"}, {67.5f, "East"},
        {112.5f, "East"},   {157.5f, "South"}, {202.5f, "South"}, {247.5f, "West"},     {292.5f, "West"},
        {300, "Northwest"}, {337.5f, "North"}, {359.9f, "North"}, {360, "North"},       {810, "East"},
        {-22.6f, ""},       {NAN, ""}};
    for (const auto& [heading, expected] : cases)
        EXPECT_EQ(HeadingToDirection(folder.Path(), heading), expected) << heading;
}

TEST(DeleteFile, DeletesOnlyAPlainWritableFileNamedExactly) {
    ProgramFolder folder;
    folder.Write("poi.txt", "a,1,2\r\n");
    EXPECT_TRUE(DeleteFile(folder.File("poi.txt")));
    EXPECT_FALSE(QFile::exists(folder.File("poi.txt")));
    EXPECT_FALSE(DeleteFile(folder.File("poi.txt"))) << "no such file";
    EXPECT_FALSE(DeleteFile(""));

    folder.Write("a.txt", "x");
    EXPECT_FALSE(DeleteFile(folder.File("*.txt")));
    EXPECT_TRUE(QFile::exists(folder.File("a.txt"))) << "no wildcards";

    QFile::setPermissions(folder.File("a.txt"), QFileDevice::ReadOwner);
    EXPECT_FALSE(DeleteFile(folder.File("a.txt")));
    EXPECT_TRUE(QFile::exists(folder.File("a.txt"))) << "read-only";

    QDir().mkpath(folder.File("export"));
    EXPECT_FALSE(DeleteFile(folder.File("export")));
    EXPECT_TRUE(QFileInfo(folder.File("export")).isDir());
}
