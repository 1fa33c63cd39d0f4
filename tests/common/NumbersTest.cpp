#include <gtest/gtest.h>

#include <cmath>

#include "DefaultLocale.h"
#include "common/Numbers.h"

TEST(LeadingNumber, ReadsSignDigitsAndPointSkippingBlanksUpToTheFirstBadCharacter) {
    DefaultLocale german(QLocale::German, QLocale::Germany);  // "." stays the decimal point
    const std::pair<const char16_t*, double> cases[] = {
        {u" 1 2.5\t3", 12.53}, {u"\n- 4.5", -4.5}, {u"+7", 7},   {u"-.5", -0.5}, {u"3.14.15", 3.14}, {u"1,5", 1},
        {u"12-3", 12},         {u"12E", 12},       {u"1\r2", 1}, {u"", 0},       {u"-", 0},          {u".", 0},
        {u"+-5", 0},           {u"abc12", 0},      {u"1e3", 1},  {u"1e309", 1},  {u"2.5E-3", 2.5},   {u"1 e 4", 1}};
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(text), expected) << QString::fromUtf16(text).toStdString();
}

TEST(LeadingNumber, DigitsBeyondADoubleAreInfiniteNotZero) {
    EXPECT_EQ(LeadingNumber(QString(400, u'9')), HUGE_VAL);
    EXPECT_EQ(LeadingNumber("-" + QString(400, u'9') + ".5"), -HUGE_VAL);
    EXPECT_EQ(LeadingNumber("0." + QString(400, u'0') + "1"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1." + QString(400, u'0')), 1) << "many decimals are no overflow";
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourAndDecimalHalvesCountThoughStoredAHairOff) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {{0.5, 0, 0},
                 {1.5, 0, 2},
                 {2.5, 0, 2},
                 {-1.5, 0, -2},
                 {-2.5, 0, -2},
                 {2.51, 0, 3},
                 {25.050005, 5, 25.05},
                 {25.050015, 5, 25.05002},
                 {25.060525, 5, 25.06052},
                 {-25.050015, 5, -25.05002},
                 {0.125, 2, 0.12},
                 {25.0500051, 5, 25.05001},
                 // large values keep their fraction: no half is seen where there is none
                 {500000000001.1, 0, 500000000001},
                 {5000001.00001, 5, 5000001.00001}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundHalfEven(c.value, c.decimals), c.expected) << c.value;
}

TEST(ToInt16, RoundsHalfEvenAndRefusesWhatSixteenBitsCannotHold) {
    EXPECT_EQ(ToInt16(-3.5), -4);
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    for (double value : {32767.5, -32768.6, std::nan(""), double(INFINITY)})
        EXPECT_THROW(ToInt16(value), OverflowError) << value;
}
