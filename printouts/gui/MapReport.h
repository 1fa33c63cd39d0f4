#pragma once
#include "platform/gui/DataReport.h"

// The map print-out: its window reopens where the user last closed it, and shows the map picture
// image/map8.bmp of the program folder.
class MapReport : public DataReport {
    Q_OBJECT
public:
    explicit MapReport(const QString& programFolder, QWidget* parent = nullptr);

    // Restores the window's place and loads the map picture. The station writes no map picture of its own, so a
    // missing or unreadable one is reported and the report opens with an empty map.
    void DataReport_Initialize() override;
    // A print job that runs past the time-out is abandoned; previews and exports go on.
    void DataReport_ProcessingTimeout(int seconds, bool& cancel, int jobType, int cookie) override;
    // Keeps the window's place for the next time.
    void DataReport_Terminate() override;

    static QString PicturePath(const QString& programFolder);

private:
    QString programFolder_;
};
