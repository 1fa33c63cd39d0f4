#pragma once
#include <QStringList>

class QWidget;

// Every caption of a window that does not show whole, one line each: the control, its text, the width (and for a
// wrapped caption the height) the text needs in the control's own font, and the room the control's style leaves
// it at the control's present size. Covers the controls that show with the window: labels, push, check, option
// and picture buttons, toolbar buttons, frame titles and column headers. Empty when every caption shows whole.
QStringList CutCaptions(QWidget* window);
