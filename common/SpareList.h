#pragma once
#include <QList>
#include <cstdint>

#include "common/Numbers.h"

// A list that keeps one empty spare element at its end: entries 0 to UBound() - 1 are valid, and a new entry is
// written into the spare before the list grows by one. Counts are signed 16-bit, so a list holds at most 32,767
// entries; growing past that throws Overflow and leaves the list as it was.
template <typename T>
class SpareList {
public:
    SpareList() : items_(1) {}

    // Back to the spare element alone.
    void Clear() { items_ = QList<T>(1); }

    // The upper bound: the index of the spare, which is also the number of valid entries.
    int UBound() const { return static_cast<int>(items_.size()) - 1; }
    int Count() const { return UBound(); }
    bool IsEmpty() const { return UBound() == 0; }

    T& operator[](int i) { return items_[i]; }
    const T& operator[](int i) const { return items_[i]; }
    T& Spare() { return items_.last(); }

    // Grows the list by one element, which becomes the new empty spare.
    void Grow() {
        if (UBound() >= 32767) throw OverflowError();
        items_.append(T{});
    }

    // Writes an entry into the spare and grows the list: the usual way to add one.
    void Append(const T& entry) {
        if (UBound() >= 32767) throw OverflowError();
        items_.last() = entry;
        items_.append(T{});
    }

    // The valid entries, spare excluded.
    auto begin() const { return items_.cbegin(); }
    auto end() const { return items_.cend() - 1; }

private:
    QList<T> items_;
};
