#pragma once

class QWidget;

// Sizes in the window designs are twips: 1440 per inch, so 15 per pixel at 96 dpi. One place converts them, with
// the screen's logical dpi.
namespace Twips {

double PerPixel();
int ToPixels(double twips);
double FromPixels(int pixels);

// Places a child control (or a window, in its screen position) by twips: left, top, width, height.
void Move(QWidget* w, double left, double top, double width, double height);

double Left(const QWidget* w);
double Top(const QWidget* w);
double Width(const QWidget* w);
double Height(const QWidget* w);

}  // namespace Twips
