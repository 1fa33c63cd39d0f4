#include <gtest/gtest.h>

#include <QDateTime>

#include "DefaultLocale.h"
#include "monitor/GprmcIntake.h"

namespace {

const QString Example = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52";
const QDateTime At133740(QDate(2006, 1, 10), QTime(13, 37, 40));

}  // namespace

TEST(GprmcIntake, TheExampleSentenceGivesTheFixAndAChangedPosition) {
    FixRecord fix;
    EXPECT_TRUE(ApplyGprmc(fix, Example, At133740).PositionChanged);
    EXPECT_EQ(fix.Time, "2006/01/10 13:37:40");
    EXPECT_EQ(fix.Status, "A");
    EXPECT_EQ(fix.NS, "N");
    EXPECT_EQ(fix.Lat, 25.06053);
    EXPECT_EQ(fix.EW, "E");
    EXPECT_EQ(fix.Lon, 121.60016);
    EXPECT_EQ(fix.Speed, 2.69f);
    EXPECT_EQ(fix.Heading, 79.65f);

    // The same sentence a second later: only the time moves on.
    EXPECT_FALSE(ApplyGprmc(fix, Example, At133740.addSecs(1)).PositionChanged);
    EXPECT_EQ(fix.Time, "2006/01/10 13:37:41");
    EXPECT_EQ(fix.Lat, 25.06053);
}

TEST(GprmcIntake, CoordinatesAreReadByPositionFromTheirLeadingDigits) {
    EXPECT_EQ(ConvertLatitude(u"2503.12"), 25.05002) << "a short fraction is the number it forms";
    EXPECT_EQ(ConvertLatitude(u"4134.49795459"), ConvertLatitude(u"4134.4979")) << "beyond 4 decimals ignored";
    EXPECT_EQ(ConvertLatitude(u"4742.21"), 47.70004) << "47.700035, a half, to the even digit";
    EXPECT_EQ(ConvertLatitude(u""), 0);
    EXPECT_EQ(ConvertLongitude(u"4"), 4) << "a cut field gives what its digits say";
    EXPECT_EQ(ConvertLongitude(u"-1230.5000"), 0.50833) << "a sign is no digit: never a negative coordinate";
    EXPECT_EQ(ConvertLatitude(u"25x3.6319"), 25.01053) << "minutes stop at the first non-digit";
    // A value exactly halfway at the sixth decimal goes to the even fifth: 25.000005 and 25.000015.
    EXPECT_EQ(ConvertLatitude(u"2500.0003"), 25.0);
    EXPECT_EQ(ConvertLatitude(u"2500.0009"), 25.00002);
}

TEST(GprmcIntake, APositionChangeBelowTheFourthMinuteDecimalIsNoChange) {
    FixRecord fix;
    ApplyGprmc(fix, "$GPRMC,1,A,4134.49795459,N,09345.12345678,W,0.1,0.0,180320,,,D*00", At133740);
    EXPECT_FALSE(
        ApplyGprmc(fix, "$GPRMC,2,A,4134.49799999,N,09345.12349999,W,0.1,0.0,180320,,,D*00", At133740).PositionChanged);
}

TEST(GprmcIntake, AMoveInEitherCoordinateAloneIsAChange) {
    FixRecord fix;
    ApplyGprmc(fix, "$GPRMC,1,A,4134.4982,N,09345.0335,W,3.2,92.3,180320,,,D*00", At133740);
    EXPECT_TRUE(
        ApplyGprmc(fix, "$GPRMC,2,A,4134.4982,N,09345.0395,W,3.0,89.3,180320,,,D*00", At133740).PositionChanged);
    EXPECT_TRUE(
        ApplyGprmc(fix, "$GPRMC,3,A,4134.5042,N,09345.0395,W,3.0,89.3,180320,,,D*00", At133740).PositionChanged);
}

TEST(GprmcIntake, SouthernAndWesternPositionsAreHeldUnsignedWithTheirLetters) {
    FixRecord fix;
    ApplyGprmc(fix, "$GPRMC,095255.810,A,2712.6012,S,15303.1420,E,0.00,,080407,,,A*7B", At133740);
    EXPECT_EQ(fix.NS, "S");
    EXPECT_EQ(fix.Lat, 27.21002);
    ApplyGprmc(fix, "$GPRMC,205148.00,A,4405.556,N,12118.398,W,0.000,0.0,090605,,*1E", At133740);
    EXPECT_EQ(fix.EW, "W");
    EXPECT_EQ(fix.Lon, 121.30066);
    EXPECT_GT(fix.Lat, 0);
    EXPECT_GT(fix.Lon, 0);
}

TEST(GprmcIntake, AVoidSentenceWithEmptyFieldsZeroesThePositionAndKeepsSpeedAndHeading) {
    FixRecord fix;
    ApplyGprmc(fix, Example, At133740);
    const QString voidFix = "$GPRMC,053741.000,V,,,,,,,100106,,,N*4F";
    EXPECT_TRUE(ApplyGprmc(fix, voidFix, At133740.addSecs(1)).PositionChanged);
    EXPECT_EQ(fix.Lat, 0);
    EXPECT_EQ(fix.Lon, 0);
    EXPECT_EQ(fix.NS, "");
    EXPECT_EQ(fix.EW, "");
    EXPECT_EQ(fix.Status, "V");
    EXPECT_EQ(fix.Speed, 2.69f);
    EXPECT_EQ(fix.Heading, 79.65f);
    EXPECT_FALSE(ApplyGprmc(fix, voidFix, At133740.addSecs(2)).PositionChanged) << "still no position";
}

TEST(GprmcIntake, MissingFieldsLeaveTheirValuesAndTheLastFieldKeepsItsChecksum) {
    FixRecord fix;
    ApplyGprmc(fix, Example, At133740);
    EXPECT_FALSE(ApplyGprmc(fix, "$GPRMC,053740.000,V*06", At133740.addSecs(5)).PositionChanged);
    EXPECT_EQ(fix.Status, "V*06");
    EXPECT_EQ(fix.Time, "2006/01/10 13:37:45");
    EXPECT_EQ(fix.Lat, 25.06053);
    EXPECT_EQ(fix.NS, "N");
    EXPECT_EQ(fix.Speed, 2.69f);

    // Only "$GPRMC": nothing but the time.
    ApplyGprmc(fix, "$GPRMC*00", At133740.addSecs(6));
    EXPECT_EQ(fix.Status, "V*06");
    EXPECT_EQ(fix.Time, "2006/01/10 13:37:46");

    // Cut right after the north/south letter: the latitude and its letter are taken, the longitude is kept.
    EXPECT_TRUE(ApplyGprmc(fix, "$GPRMC,053741.000,A,2712.6012,S", At133740).PositionChanged);
    EXPECT_EQ(fix.NS, "S");
    EXPECT_EQ(fix.Lat, 27.21002);
    EXPECT_EQ(fix.EW, "E");
    EXPECT_EQ(fix.Lon, 121.60016);
}

TEST(GprmcIntake, SpeedAndCourseMustBeWholeNumbersWithAPoint) {
    EXPECT_EQ(ParseNmeaNumber(u"2.69"), 2.69f);
    EXPECT_EQ(ParseNmeaNumber(u".5"), 0.5f);
    EXPECT_EQ(ParseNmeaNumber(u"12"), 12.0f);
    for (const char16_t* bad : {u"", u"2,69", u"79.65*52", u"1.2.3", u"nan", u"inf", u"1e3", u"-", u".", u"1e999",
                                u"99999999999999999999999999999999999999999"}) {
        EXPECT_FALSE(ParseNmeaNumber(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }

    FixRecord fix;
    ApplyGprmc(fix, Example, At133740);
    ApplyGprmc(fix, "$GPRMC,053741.000,A,2503.6320,N,12136.0098,E,,abc,100106,,,A*52", At133740);
    EXPECT_EQ(fix.Speed, 2.69f);
    EXPECT_EQ(fix.Heading, 79.65f);
}

TEST(GprmcIntake, TheLocaleDoesNotChangeHowFieldsAreRead) {
    FixRecord fix;
    {
        const DefaultLocale german(QLocale::German, QLocale::Germany);
        ApplyGprmc(fix, Example, At133740);
    }
    EXPECT_EQ(fix.Lat, 25.06053);
    EXPECT_EQ(fix.Speed, 2.69f);
    EXPECT_EQ(fix.Heading, 79.65f);
}

// Lines from a receiver fed by a simulator while it booted: they pass the framing, and must neither crash nor give
// a negative or out-of-range value.
TEST(GprmcIntake, GarbledSentencesAreTakenInFieldByField) {
    FixRecord fix;
    ApplyGprmc(fix, "$GPRMC,000344.03,A,4808.9992,N,4,02.3*05", At133740);
    EXPECT_EQ(fix.Lat, 48.14999);
    EXPECT_EQ(fix.Lon, 4);
    EXPECT_EQ(fix.EW, "02.3*05");

    ApplyGprmc(fix, "$GPRMC,000428.00,,E,,,220899,,,N*40", At133740);
    EXPECT_EQ(fix.Status, "");
    EXPECT_EQ(fix.Lat, 0);  // "E" has no digits
    EXPECT_EQ(fix.NS, "");
    EXPECT_EQ(fix.Lon, 0);
    EXPECT_EQ(fix.EW, "220899");

    ApplyGprmc(fix, QString("$GPRMC,0") + QChar(0) + QChar(0xfffd) + ",A,,,,,,,,*", At133740);
    EXPECT_EQ(fix.Status, "A");
}
