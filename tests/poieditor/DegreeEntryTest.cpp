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
    EXPECT_EQ(boxes(-33.9), QStringList({"0", "00", "00"}));
    EXPECT_EQ(boxes(40000.5), QStringList({"40000", "30", "00"})) << "beyond 16 bits, shown all the same";
}
