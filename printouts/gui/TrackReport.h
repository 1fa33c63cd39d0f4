#pragma once
#include "platform/gui/DataReport.h"

// The printed list of positions. Its window always opens at its design size.
class TrackReport : public DataReport {
    Q_OBJECT
public:
    explicit TrackReport(QWidget* parent = nullptr);

    // A print job that runs past the time-out is abandoned; previews and exports go on.
    void DataReport_ProcessingTimeout(int seconds, bool& cancel, int jobType, int cookie) override;
};
