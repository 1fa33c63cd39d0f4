#pragma once
#include "platform/gui/StayingDialog.h"

class QLabel;
class QTimer;

// The splash: borderless, centred, shown modal over the main window until its two-second timer unloads it.
class frmLogo : public StayingDialog {
    Q_OBJECT
public:
    frmLogo(const QString& programFolder, QWidget* owner);

    void Form_Load();
    void Timer1_Timer();

    QLabel* labLogo;
    QTimer* Timer1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString programFolder_;
};
