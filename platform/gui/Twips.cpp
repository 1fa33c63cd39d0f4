#include "platform/gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace Twips {

double PerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int ToPixels(double twips) { return static_cast<int>(std::lround(twips / PerPixel())); }
double FromPixels(int pixels) { return pixels * PerPixel(); }

void Move(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(ToPixels(left), ToPixels(top), std::max(0, ToPixels(width)), std::max(0, ToPixels(height)));
}

double Left(const QWidget* w) { return FromPixels(w->x()); }
double Top(const QWidget* w) { return FromPixels(w->y()); }
double Width(const QWidget* w) { return FromPixels(w->width()); }
double Height(const QWidget* w) { return FromPixels(w->height()); }

}  // namespace Twips
