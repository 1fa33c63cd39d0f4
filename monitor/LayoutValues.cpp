#include "monitor/LayoutValues.h"

#include <algorithm>

#include "common/Numbers.h"

namespace {
int16_t Clamp16(double v) { return ToInt16(std::clamp(RoundHalfEven(v), -32768.0, 32767.0)); }
}  // namespace

LayoutValues ComputeLayoutValues(double innerWidth, double innerHeight, double statusBarHeight) {
    int16_t w = Clamp16(innerWidth);
    int16_t h = Clamp16(innerHeight - 120 - statusBarHeight);
    return {std::max<int16_t>(w, 6000), std::max<int16_t>(h, 4500)};
}
