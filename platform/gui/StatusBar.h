#pragma once
#include <QList>
#include <QWidget>

class QLabel;
class QTimer;

// The status bar with its eight panels: three of text, then caps lock, num lock and insert, then date and time.
// Panels 1 and 3 carry the station's notices (the history log's and the receiver's), panel 2 the query total.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Panel i, counted from 1.
    QLabel* Panel(int i) const { return panels_[i - 1]; }
    void SetKeyState(int panel, bool on);
    // A notice in a text panel: a short text, the whole story in its tool tip; an empty text clears both.
    void SetNotice(int panel, const QString& text, const QString& toolTip = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowClock();

    QList<QLabel*> panels_;
    QTimer* clock_;
    bool insert_ = true;
};
