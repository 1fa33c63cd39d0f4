#pragma once
#include <QElapsedTimer>

// When a long loop on the window thread serves the pending window messages: at its first step, so what it shows
// is painted at once, and then whenever the given milliseconds of work have passed since it last served. Serving
// after every step of a fast loop costs more than the loop itself; serving on a time slice keeps the timers, the
// clicks and the Stop button answered all the same. 0 milliseconds serves at every step.
class ServeSlice {
public:
    explicit ServeSlice(int milliseconds) : milliseconds_(milliseconds) {}

    // One step of the loop; true when the messages are to be served now. The clock is read only every so many
    // steps: reading it costs more than a step of a fast loop.
    bool Due() {
        if (!served_ || milliseconds_ <= 0) return true;
        if (++steps_ < StepsPerLook) return false;
        steps_ = 0;
        return clock_.elapsed() >= milliseconds_;
    }

    // The messages have been served: the next slice starts now.
    void Served() {
        served_ = true;
        steps_ = 0;
        clock_.start();
    }

private:
    static constexpr int StepsPerLook = 64;

    QElapsedTimer clock_;
    int milliseconds_;
    int steps_ = 0;
    bool served_ = false;
};
