#pragma once
#include "monitor/TypingCycle.h"
#include "monitor/gui/WorkingPopup.h"

class QLabel;
class QPushButton;
class QTimer;

// The working notice shown while the whole trail is drawn: it types the stop word out one character every 200 ms
// and offers a Stop button that clears KeepRunning.
class frmShow : public WorkingPopup {
    Q_OBJECT
public:
    frmShow(const QString& programFolder, QWidget* owner);

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    QLabel* Image1;
    QLabel* Label1;
    QPushButton* Command1;
    QTimer* Timer1;

private:
    QString programFolder_;
    TypingCycle typing_;
};
