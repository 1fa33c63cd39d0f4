#include "platform/gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace Twips {

double PerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

// Saturates rather than wraps: a stored size beyond an int must read as too large, not as some other size.
int ToPixels(double twips) {
    const double pixels = std::round(twips / PerPixel());
    if (std::isnan(pixels)) return 0;
    return static_cast<int>(
        std::clamp(pixels, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}
double FromPixels(int pixels) { return pixels * PerPixel(); }

void Move(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(ToPixels(left), ToPixels(top), std::max(0, ToPixels(width)), std::max(0, ToPixels(height)));
}

double Left(const QWidget* w) { return FromPixels(w->x()); }
double Top(const QWidget* w) { return FromPixels(w->y()); }
double Width(const QWidget* w) { return FromPixels(w->width()); }
double Height(const QWidget* w) { return FromPixels(w->height()); }

}  // namespace Twips
