#include "platform/gui/StatusBar.h"

#include <QApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>

StatusBar::StatusBar(QWidget* parent) : QWidget(parent) {
    // A plain widget is see-through; a window too small for its layout puts the map and the table under the bar.
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    const QStringList keys{"", "", "", "CAPS", "NUM", "INS", "", ""};
    for (int i = 0; i < 8; ++i) {
        auto* panel = new QLabel(keys[i], this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(i >= 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        // The text panels share the room by their stretch: a long message cuts itself short rather than pushing
        // the other panels aside. The notices get the room of two totals each, enough at the design width for
        // "Not logged: No space left on device".
        if (i < 3) panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        layout->addWidget(panel, i == 1 ? 1 : i < 3 ? 2 : 0);
        panels_.append(panel);
    }
    // The desktop does not tell a program its lock-key states, so caps and num lock show greyed; the insert panel
    // follows the Insert key pressed in the station's windows.
    SetKeyState(4, false);
    SetKeyState(5, false);
    SetKeyState(6, insert_);
    qApp->installEventFilter(this);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &StatusBar::ShowClock);
    clock_->start();
    ShowClock();
}

void StatusBar::SetKeyState(int panel, bool on) { Panel(panel)->setEnabled(on); }

void StatusBar::SetNotice(int panel, const QString& text, const QString& toolTip) {
    Panel(panel)->setText(text);
    Panel(panel)->setToolTip(text.isEmpty() ? QString() : toolTip);
}

bool StatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window()) {
        insert_ = !insert_;
        SetKeyState(6, insert_);
    }
    return QWidget::eventFilter(watched, event);
}

void StatusBar::ShowClock() {
    const QDateTime now = QDateTime::currentDateTime();
    Panel(7)->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    Panel(8)->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
}
