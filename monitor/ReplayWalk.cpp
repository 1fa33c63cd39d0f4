#include "monitor/ReplayWalk.h"

#include "common/Numbers.h"

int ReplayWalk::Entry() const { return static_cast<int>(RoundHalfEven(i_)); }

float SecondsSince(float start, float now) {
    if (now < start) now += 86400.0f;
    return now - start;
}
