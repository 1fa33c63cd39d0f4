#pragma once
#include <cstdint>

// The two working values of the main window's layout, in twips: the inner width raised to 6000, and the inner
// height less 120 and the status bar raised to 4500. Both are 16-bit; sizes beyond 32767 twips are held at 32767.
struct LayoutValues {
    int16_t W;
    int16_t H;
};

LayoutValues ComputeLayoutValues(double innerWidth, double innerHeight, double statusBarHeight);
