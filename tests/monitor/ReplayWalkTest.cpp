#include <gtest/gtest.h>

#include <QList>

#include "monitor/ReplayWalk.h"

namespace {
QList<int> Entries(double selectedRow, double last, double step, int most = 10) {
    QList<int> shown;
    for (ReplayWalk walk(selectedRow, last, step); walk.HasNext() && shown.size() < most; walk.Advance())
        shown.append(walk.Entry());
    return shown;
}
}  // namespace

TEST(ReplayWalk, StartsAfterTheSelectedRowsEntryAndStopsAtTheLast) {
    EXPECT_EQ(Entries(1, 4, 1), QList<int>({1, 2, 3, 4})) << "five positions, row 1 selected";
    EXPECT_EQ(Entries(1, 5, 2), QList<int>({1, 3, 5}));
    EXPECT_TRUE(Entries(5, 4, 1).isEmpty()) << "the last row selected";
    EXPECT_EQ(Entries(2, 4, 0, 3), QList<int>({2, 2, 2})) << "step 0 repeats until stopped";
    EXPECT_EQ(Entries(1, 4, 0.5), QList<int>({1, 2, 2, 2, 3, 4, 4})) << "halves go to even";

    // The pause between entries: two readings within one tick of the clock are no time, not a whole day.
    EXPECT_EQ(SecondsSince(100.5f, 100.5f), 0);
}
