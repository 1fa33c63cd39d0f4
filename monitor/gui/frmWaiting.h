#pragma once
#include "monitor/gui/WorkingPopup.h"

class QLabel;
class QPushButton;

// The wait box of the history query: a message and a Stop button that clears KeepRunning. The query that shows it
// also unloads it.
class frmWaiting : public WorkingPopup {
    Q_OBJECT
public:
    frmWaiting(const QString& programFolder, QWidget* owner);

    void Form_Load();
    void Command1_Click();

    QLabel* Label1;
    QPushButton* Command1;

private:
    QString programFolder_;
};
