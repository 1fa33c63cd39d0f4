#pragma once
#include <QString>
#include <exception>

#include "common/StationError.h"

// The description a failure shows in the critical message box.
inline QString DescriptionOf(const std::exception& e) {
    if (const auto* station = dynamic_cast<const StationError*>(&e)) return station->Description();
    return QString::fromUtf8(e.what());
}

// What went wrong without the file or device it concerns: the short form a status bar notice shows.
inline QString ReasonOf(const std::exception& e) {
    if (const auto* station = dynamic_cast<const StationError*>(&e)) return station->Reason();
    return QString::fromUtf8(e.what());
}
