#pragma once

// The replay's walk over the listed positions. It starts at the entry after the selected row's (row r shows entry
// r - 1, so the first entry shown is entry r) and moves `step` entries at a time, a fractional position showing the
// entry it rounds to, halves to even. The last index is fixed when the walk starts.
class ReplayWalk {
public:
    ReplayWalk(double selectedRow, double last, double step) : i_(selectedRow), last_(last), step_(step) {}

    // A step of 0 shows the same entry again and again, until the replay is stopped.
    bool HasNext() const { return step_ < 0 ? i_ >= last_ : i_ <= last_; }
    int Entry() const;
    void Advance() { i_ += step_; }

private:
    double i_;
    double last_;
    double step_;
};

// The seconds from start to now, both seconds since midnight, a single midnight crossing counted, in single
// precision as the replay's pause measures them.
float SecondsSince(float start, float now);
