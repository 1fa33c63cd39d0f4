#pragma once
#include <QWidget>

// The main window: the station.
class frmTrack : public QWidget {
    Q_OBJECT
public:
    explicit frmTrack(const QString& programFolder, QWidget* parent = nullptr);

    // Loads (the load step) and shows the window. False when the load step ended the program.
    bool Show();

private:
    QString programFolder_;
};
