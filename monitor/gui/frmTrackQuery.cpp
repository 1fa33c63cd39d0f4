// The history query: the logged positions of one day, between two clock times and within a speed range, listed
// while the month's log is read.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "common/Shared.h"
#include "monitor/HistoryFilter.h"
#include "monitor/HistoryQuery.h"
#include "monitor/HistoryReader.h"
#include "monitor/ServeSlice.h"
#include "monitor/gui/PositionRows.h"
#include "monitor/gui/TableReset.h"
#include "monitor/gui/frmTrack.h"
#include "monitor/gui/frmWaiting.h"
#include "platform/gui/ListView.h"
#include "platform/gui/SerialPortControl.h"
#include "platform/gui/StatusBar.h"

void frmTrack::cmdGET_Click() {
    const HistoryFilter filter =
        MakeHistoryFilter(dtpFromTime->date(), Combo1->currentText(), Combo2->currentText(), Combo4->currentText(),
                          Combo3->currentText(), txtFromSpeed->text(), txtToSpeed->text());
    KeepRunning = True16;
    QPointer<frmWaiting> waiting = new frmWaiting(programFolder_, this);
    waiting->show();
    // The read serves messages while it runs; a second query, a connection, a replay or an export started from
    // there would work on the same list and table, so they wait until the read is over.
    for (QWidget* control : std::initializer_list<QWidget*>{cmdGET, cmdQuery, cmdPlay, cmdStopPlay, cmdExport})
        control->setEnabled(false);

    HistoryQuery query(filter, TrackList);
    DateView->Clear();
    const TableReset reset(DateView);
    const QPointer<frmTrack> self(this);
    PositionRows rows(programFolder_, *DateView->Model());
    // The rows listed since the messages were last served go into the table together, the last one selected and
    // scrolled into view: nothing is painted in between, and laying the table out for every row would cost more
    // than the whole read.
    QList<ListViewModel::Row> listed;
    const auto showListed = [&] {
        if (listed.isEmpty()) return;
        DateView->AddRows(std::exchange(listed, {}));
        const int last = DateView->RowCount() - 1;
        DateView->SelectRow(last);
        DateView->EnsureVisible(last);
    };
    HistoryLineReader reader;
    const QString path = FindHistoryFile(programFolder_, dtpFromTime->date());
    if (!path.isEmpty() && reader.Open(path)) {
        ServeSlice slice(QueryServeMilliseconds);
        QByteArrayView line;
        while (reader.ReadLine(line)) {
            if (slice.Due()) {
                showListed();
                QCoreApplication::processEvents();
                slice.Served();
                if (!self) return;
                if (unloaded_) {  // the window closed: the program is ending
                    delete waiting;
                    return;
                }
                if (KeepRunning == 0) break;  // Stop: the line just read is not used
                if (reset.Seen() || !query.OwnsList()) {
                    // Something served meanwhile emptied the table and the list: they are no longer the query's.
                    delete waiting;
                    cmdQuery->setEnabled(true);
                    return;
                }
                rows.ReadWords();  // a language file changed meanwhile shows in the rows from now on
            }
            if (!query.Take(line)) continue;
            const int n = query.Count() - 1;
            listed.append(rows.Row(TrackList[n], n));
        }
    }
    showListed();
    query.Finish();

    const int16_t count = query.Count();
    stbStatusBar->Panel(2)->setText("Total:" + QString::number(count));
    if (count == 0) {
        const int row = DateView->AddRow("#0", "1");
        DateView->SetSubItem(row, "Date", "NO Date");
    }
    const bool found = count > 0;
    for (QWidget* control : std::initializer_list<QWidget*>{cmdExport, Check1, cmdPlay}) control->setEnabled(found);
    fraMap->setVisible(found);
    if (found)
        Timer3->start();
    else
        Timer3->stop();
    cmdStopPlay->setEnabled(false);
    cmdGET->setEnabled(!MSComm1->PortOpen());
    cmdQuery->setEnabled(true);
    delete waiting;

    DateView->SelectRow(0);
    DateView->EnsureVisible(0);
    RefreshMap();
}
