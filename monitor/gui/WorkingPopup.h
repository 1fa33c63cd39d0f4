#pragma once
#include <QPointer>

#include "platform/gui/StayingDialog.h"

class QPushButton;

// A working pop-up of the main window, shown modeless while the work that it stands for runs: its Stop button holds
// the keyboard from the moment it shows, so Space or Return press Stop, and no key reaches the window beneath it
// meanwhile (there Space would empty the replay step, say). What had the focus before gets it back afterwards.
class WorkingPopup : public StayingDialog {
public:
    explicit WorkingPopup(QWidget* owner);
    ~WorkingPopup() override;

protected:
    // The button that takes the keys; set once by the window.
    void HoldKeysFor(QPushButton* stop) { stop_ = stop; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void GiveKeysBack();

    QPushButton* stop_ = nullptr;
    QPointer<QWidget> hadFocus_;
    bool holding_ = false;
};
