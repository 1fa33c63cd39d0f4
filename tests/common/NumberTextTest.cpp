#include <gtest/gtest.h>

#include <QLocale>

#include "common/NumberText.h"

TEST(NumberText, GeneralDecimalTextWithAPointAndAtMost15Digits) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(NumberText(120.684722), "120.684722");
    EXPECT_EQ(NumberText(-24.5), "-24.5");
    EXPECT_EQ(NumberText(121), "121");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(1234567.891234567), "1234567.89123457");
    EXPECT_EQ(NumberText(0.0000001), "1E-07");
    QLocale::setDefault(saved);
}
