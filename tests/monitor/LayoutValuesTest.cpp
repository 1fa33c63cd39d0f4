#include <gtest/gtest.h>

#include "common/SpareList.h"
#include "monitor/LayoutValues.h"

TEST(LayoutValues, InnerSizeLessStatusBarWithTheMinimums) {
    const LayoutValues design = ComputeLayoutValues(11835, 8955, 270);
    EXPECT_EQ(design.W, 11835);
    EXPECT_EQ(design.H, 8565);
    const LayoutValues small = ComputeLayoutValues(5000, 3000, 270);
    EXPECT_EQ(small.W, 6000);
    EXPECT_EQ(small.H, 4500);
    EXPECT_EQ(ComputeLayoutValues(7000.5, 6000, 270).W, 7000) << "halves go to the even neighbour";
    EXPECT_EQ(ComputeLayoutValues(7001.5, 6000, 270).W, 7002);
    const LayoutValues huge = ComputeLayoutValues(40000, 40000, 270);
    EXPECT_EQ(huge.W, 32767) << "beyond 16 bits the width is held at the largest value";
}

TEST(SpareList, KeepsOneSpareAndStopsAtTheSixteenBitLimit) {
    SpareList<int> list;
    EXPECT_EQ(list.UBound(), 0);
    list.Append(7);
    EXPECT_EQ(list.UBound(), 1);
    EXPECT_EQ(list[0], 7);
    EXPECT_EQ(list[1], 0) << "the spare is empty";
    for (int i = 1; i < 32767; ++i) list.Append(i);
    EXPECT_EQ(list.UBound(), 32767);
    EXPECT_THROW(list.Append(1), std::overflow_error);
    EXPECT_EQ(list.UBound(), 32767);
    list.Clear();
    EXPECT_EQ(list.UBound(), 0);
}
