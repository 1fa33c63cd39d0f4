#include <gtest/gtest.h>

#include "DefaultLocale.h"
#include "common/Numbers.h"
#include "common/StationError.h"
#include "poieditor/DegreeEntry.h"

TEST(ConvertDegreeEntry, RoundsSecondsToTenThousandthsOfAMinuteFirst) {
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("120", "41", "05"), 120.684722);
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("24", "06", "23"), 24.106388) << "not 24.106389";
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry(" 24 ", " 6 ", ""), 24.1);
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("24", "6", "12abc"), 24.103333);
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("121", "30", "60"), 121.516667) << "60 seconds carry into the minutes";
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("-120", "30", "0"), -119.5) << "the sign is the degrees' alone";
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("25", "0", "0.003"), 25.000002) << "a half rounds away from zero";
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("25", "0", "0.087"), 25.000025)
        << "14.5 ten-thousandths, a hair below in doubles";
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("24", "59", "60"), 25.0);
}

TEST(ConvertDegreeEntry, MinutesAndDegreesMustBeNumbers) {
    for (const auto& [d, m] : {std::pair{"120", ""}, {"", "41"}, {"12x", "41"}, {"120", "forty"}}) {
        try {
            ConvertDegreeEntry(d, m, "5");
            ADD_FAILURE() << d << " " << m;
        } catch (const StationError& e) {
            EXPECT_EQ(e.Description(), "Type mismatch");
        }
    }
    EXPECT_THROW(ConvertDegreeEntry("1e308", "0", "0"), OverflowError);
    EXPECT_THROW(ConvertDegreeEntry("0", "0", QString(400, u'9')), OverflowError) << "seconds beyond a double";
    // Sums whose 15-digit text would take an exponent, which the read-back cannot take: never another coordinate.
    for (const auto& [d, m, sec] : {std::tuple{"1000000000", "0", "0"},
                                    {"121", "152222222222", "0"},
                                    {"-1000000000", "0", "0"},
                                    {"0", "-0.0003", "0.018"}}) {
        EXPECT_THROW(ConvertDegreeEntry(d, m, sec), OverflowError) << d << " " << m << " " << sec;
    }
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("999999999", "0", "0"), 999999999) << "the largest whole degrees it carries";
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("24", "6", "1e3"), 24.100278) << "no exponent: 1 second";
}

TEST(ConvertDegreeEntry, ReadsMinutesAndDegreesInTheRegionalNotation) {
    DefaultLocale german(QLocale::German, QLocale::Germany);
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("24", "06", "23"), 24.106388);
    EXPECT_DOUBLE_EQ(ConvertDegreeEntry("24", "6,5", "0"), 24.108333);
}

TEST(DegreeBoxTexts, ShowsWholeDegreesAndTwoDigitMinutesAndSeconds) {
    auto boxes = [](double v) {
        const DegreeBoxes b = DegreeBoxTexts(v);
        return QStringList({b.Degrees, b.Minutes, b.Seconds});
    };
    EXPECT_EQ(boxes(120.684722), QStringList({"120", "41", "05"}));
    EXPECT_EQ(boxes(24.106389), QStringList({"24", "06", "23"}));
    EXPECT_EQ(boxes(120.683333), QStringList({"120", "40", "60"})) << "seconds are not carried";
    EXPECT_EQ(boxes(0), QStringList({"0", "00", "00"}));
    EXPECT_EQ(boxes(40000.5), QStringList({"40000", "30", "00"})) << "beyond 16 bits, shown all the same";
    EXPECT_EQ(boxes(qInf()), QStringList({"0", "00", "00"}));

    // A negative coordinate shows the degrees below it and the minutes and seconds up from there, so that the
    // boxes convert back to it.
    EXPECT_EQ(boxes(-73.985), QStringList({"-74", "00", "54"}));
    EXPECT_EQ(boxes(-40.75), QStringList({"-41", "15", "00"}));
    EXPECT_EQ(boxes(-0.5), QStringList({"-1", "30", "00"}));
    for (const double v : {-73.985, -40.75, -0.5, -33.9, -120.684722, -0.000278, 120.684722, 24.106388}) {
        const DegreeBoxes b = DegreeBoxTexts(v);
        EXPECT_DOUBLE_EQ(ConvertDegreeEntry(b.Degrees, b.Minutes, b.Seconds), v) << v;
    }

    // Saved as they were shown, the boxes give back the stored value itself.
    const double fine = -40.123456;  // 52' 35.56" up from -41: the boxes show 36 seconds
    const DegreeBoxes shown = DegreeBoxTexts(fine);
    EXPECT_EQ(ConvertDegreeBoxes(shown, fine), fine);
    EXPECT_DOUBLE_EQ(ConvertDegreeBoxes(shown, std::nullopt), -40.123333) << "nothing shown: what the boxes say";
    EXPECT_DOUBLE_EQ(ConvertDegreeBoxes({"-41", "52", "37"}, fine), -40.123055) << "a changed box is converted";
    EXPECT_EQ(ConvertDegreeBoxes({"0", "00", "00"}, qInf()), 0) << "infinity is never stored again";
}
