#pragma once
#include <QList>
#include <QWidget>

class QLabel;
class QTimer;

// The status bar with its eight panels: three of text, then caps lock, num lock and insert, then date and time.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Panel i, counted from 1.
    QLabel* Panel(int i) const { return panels_[i - 1]; }
    void SetKeyState(int panel, bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowClock();

    QList<QLabel*> panels_;
    QTimer* clock_;
    bool insert_ = true;
};
