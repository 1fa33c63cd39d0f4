// The position intake: each $GPRMC line updates the current fix; a changed position is logged, listed and drawn.
#include <QDateTime>

#include "common/ErrorText.h"
#include "monitor/GprmcIntake.h"
#include "monitor/HistoryLog.h"
#include "monitor/gui/PositionRows.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/ListView.h"
#include "platform/gui/StatusBar.h"

void frmTrack::ProcessGPRMC(const QString& Sentence) {
    // Every step stands on its own: one that fails is skipped without a word and the next one runs.
    const GprmcIntakeResult result = ApplyGprmc(CurrentFix[0], Sentence, QDateTime::currentDateTime());
    try {
        EnsureExportFolder(programFolder_);
    } catch (const std::exception&) {
    }
    if (!result.PositionChanged) return;

    // The live list is bounded by its 16-bit count. A run that fills it starts the list and the table afresh;
    // every position stays in the history log.
    if (TrackList.UBound() >= 32767) {
        TrackList.Clear();
        DateView->Clear();
    }
    const int n = TrackList.UBound();
    TrackList.Spare() = CurrentFix[0].ToTrack();
    // A position that cannot be logged is still listed and drawn, but a table that looks logged while nothing is
    // stored would mislead: the status bar gives the reason, and its tool tip the log, until a record is written
    // again. The reason comes first: a path would fill the panel before it.
    try {
        AppendHistoryRecord(programFolder_, TrackList[n]);
        stbStatusBar->SetNotice(1, {});
    } catch (const std::exception& e) {
        stbStatusBar->SetNotice(1, "Not logged: " + ReasonOf(e), DescriptionOf(e));
    }
    AddTableRow(n);
    DateView->SelectRow(n);
    DateView->EnsureVisible(n);
    TrackList.Grow();
    RefreshMap();
}

void frmTrack::AddTableRow(int n) {
    DateView->AddRows({PositionRows(programFolder_, *DateView->Model()).Row(TrackList[n], n)});
}
