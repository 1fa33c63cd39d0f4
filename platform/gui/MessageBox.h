#pragma once
#include <QString>
#include <functional>

class QWidget;

// Message boxes of the station. A box without a title of its own carries the application title.
namespace MessageBox {

enum Icon { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum Buttons { OkOnly = 0, OkCancel = 1, YesNo = 4 };
enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct Call {
    QString text;
    int style = 0;  // Icon + Buttons
    QString title;  // as shown: the application title when none was given
};

// Shows a modal box and gives the button pressed.
int Show(const QString& text, int style = OkOnly, const QString& title = {});

// The failure box: the error's description, critical icon, no title of its own.
void ShowError(const QString& description);

// Test seam: while set, every box goes to the handler instead of the screen, which gives the answer.
void SetHandler(std::function<int(const Call&)> handler);

}  // namespace MessageBox
