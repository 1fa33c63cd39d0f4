#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <atomic>
#include <cmath>
#include <thread>

#include "CaptionRoom.h"
#include "PseudoTerminal.h"
#include "TrackWindow.h"
#include "common/Settings.h"
#include "monitor/gui/MapBrowser.h"
#include "platform/AdoConnection.h"
#include "platform/gui/ListView.h"
#include "platform/gui/SerialPortControl.h"
#include "platform/gui/StatusBar.h"

namespace {

// What the receiver sends, '#' comment lines left out, bytes as in the capture.
QByteArray CaptureStream(const QString& name) {
    QFile file(NmeaCaptureFolder() + "/" + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray out;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.startsWith('#') && !line.isEmpty()) out += line + '\n';
    return out;
}

// Degrees and minutes (four decimals or more) to unsigned decimal degrees at five places, worked out apart from
// the station's own code in whole numbers: degrees x 10^5 = (D * 600000 + M * 10000 + F) / 6, a half going to even.
double Degrees(const QByteArray& field, int degreeDigits) {
    if (field.isEmpty()) return 0;
    const qint64 n = field.left(degreeDigits).toLongLong() * 600000 + field.mid(degreeDigits, 2).toLongLong() * 10000 +
                     field.mid(degreeDigits + 3, 4).toLongLong();
    qint64 q = n / 6;
    const qint64 r = n % 6;
    if (r > 3 || (r == 3 && q % 2 == 1)) ++q;
    return q / 1e5;
}

struct Expected {
    QByteArray ns, ew;
    double lat, lon;
};

// The positions the capture's $GPRMC lines give, each one listed only when it differs from the one before.
QList<Expected> ChangedPositions(const QByteArray& stream) {
    QList<Expected> out;
    double lat = 0, lon = 0;
    for (QByteArray piece : QByteArray(stream).replace('\n', "").split('\r')) {
        if (!piece.startsWith("$GPRMC") || !piece.contains('*')) continue;
        const QList<QByteArray> f = piece.split(',');
        const double newLat = Degrees(f[3], 2), newLon = Degrees(f[5], 3);
        if (newLat == lat && newLon == lon) continue;
        lat = newLat;
        lon = newLon;
        out.append({f[4], f[6], lat, lon});
    }
    return out;
}

QList<QByteArray> HistoryRecords(const ProgramFolder& folder) {
    const QStringList logs = QDir(folder.File("export")).entryList({"History-*.log"});
    if (logs.size() != 1) return {};
    QByteArray text = folder.Read("export/" + logs[0]);
    QList<QByteArray> records = text.split('\n');
    if (!records.isEmpty() && records.last().isEmpty()) records.removeLast();
    return records;
}

class LiveTracking : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsValid());
        ASSERT_TRUE(pty.LinkAs(t.folder.Path(), 1));
        ASSERT_TRUE(t.Show());
        t.window->cmdCommport->setCurrentIndex(0);
        t.window->cmdQuery_Click();
        ASSERT_TRUE(t.window->MSComm1->PortOpen())
            << (t.boxes.calls.isEmpty() ? "" : t.boxes.calls[0].text.toStdString());
    }

    // Sends the stream in uneven pieces, so sentences split across reads, and lets the window take each in.
    void Send(const QByteArray& stream) {
        const int sizes[] = {1, 7, 64, 13, 200, 3, 512, 41};
        for (qsizetype at = 0, i = 0; at < stream.size(); ++i) {
            const qsizetype n = std::min<qsizetype>(sizes[i % 8], stream.size() - at);
            ASSERT_TRUE(pty.Write(stream.mid(at, n)));
            at += n;
            if (i % 4 == 0) QCoreApplication::processEvents();
        }
    }

    TrackWindow t;
    PseudoTerminal pty;
};

}  // namespace

TEST_F(LiveTracking, ABoatTrackIsLoggedListedAndDrawnWithNothingLostBetweenReads) {
    const QByteArray stream = CaptureStream("bundg_zeus_9.log");
    const QList<Expected> expected = ChangedPositions(stream);
    ASSERT_EQ(expected.size(), 145) << "146 $GPRMC sentences, one sent twice";
    frmTrack& w = *t.window;
    Send(stream.left(stream.size() / 2));
    // Another program holds the POI table for three seconds while a POI marked on the map is imported: the window
    // waits for the table and takes in the rest of the track meanwhile, ten fixes a second.
    t.folder.Write("poi.txt", "Harbour,52.85,5.31\r\n");
    std::atomic<qsizetype> at = 0;
    std::thread other([&] {  // the other program, and the receiver
        auto table = std::make_unique<AdoConnection>();
        table->Open("Data Source=" + t.folder.File("database/POI.mdb") + ";Jet OLEDB:Database Password=7342");
        table->Execute("BEGIN EXCLUSIVE");
        for (at = stream.size() / 2; at < stream.size(); at += 128, QThread::msleep(10)) {
            if (at > stream.size() / 2 + 300 * 128) table.reset();  // lets go after three seconds
            pty.Write(stream.mid(at, 128));
        }
    });
    while (at == 0) QThread::msleep(1);
    const int before = w.TrackList.UBound();
    w.MapTimer_Timer();
    EXPECT_GT(w.TrackList.UBound() - before, 15) << "positions taken in while the import waited";
    ServeEventsUntil([&] { return at >= stream.size(); }, 15000);
    other.join();
    ASSERT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() >= 145; }, 15000));
    ServeEventsUntil([] { return false; }, 300);  // nothing more may come

    EXPECT_TRUE(t.boxes.calls.isEmpty());
    EXPECT_EQ(w.TrackList.UBound(), 145);
    EXPECT_EQ(w.DateView->RowCount(), 145);
    const QList<QByteArray> records = HistoryRecords(t.folder);
    ASSERT_EQ(records.size(), 145);
    for (int i = 0; i < 145; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(w.TrackList[i].Lat, expected[i].lat);
        EXPECT_DOUBLE_EQ(w.TrackList[i].Lon, expected[i].lon);
        EXPECT_TRUE(records[i].endsWith("\r\r")) << "every record ends CR CR LF";
        const QList<QByteArray> f = records[i].chopped(2).split('|');
        ASSERT_EQ(f.size(), 8);
        EXPECT_EQ(f[0], w.TrackList[i].Time.toUtf8());
        EXPECT_EQ(f[1], expected[i].ns);
        EXPECT_DOUBLE_EQ(f[2].toDouble(), expected[i].lon);
        EXPECT_EQ(f[3], expected[i].ew);
        EXPECT_DOUBLE_EQ(f[4].toDouble(), expected[i].lat);
        EXPECT_EQ(f[5], "A");
        EXPECT_EQ(w.DateView->Model()->Text(i, 0), QString::number(i + 1));
        EXPECT_EQ(w.DateView->Model()->Key(i), "#" + QString::number(i));
    }
    EXPECT_EQ(w.DateView->SelectedRow(), 144) << "the newest row is selected";

    // The map shows the last position, then every POI: the one imported.
    const QByteArray markers = t.folder.Read("carimage/markers.txt");
    EXPECT_EQ(markers.count("\r\n"), 2);
    EXPECT_TRUE(markers.startsWith(QByteArray::number(expected.last().lat, 'g', 15) + "|" +
                                   QByteArray::number(expected.last().lon, 'g', 15) + "|C-rv\\car"));
    EXPECT_EQ(w.WBMaps->LocationURL(), t.folder.File("carimage/map.htm"));
    EXPECT_FALSE(w.WBMaps->isHidden());
}

TEST_F(LiveTracking, SouthernFixesAVoidRunAndOtherSentencesFromARealReceiver) {
    const QByteArray stream = CaptureStream("quectel.log");
    Send(stream);
    frmTrack& w = *t.window;
    const QList<Expected> expected = ChangedPositions(stream);
    ASSERT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() >= expected.size(); }, 10000));
    ServeEventsUntil([] { return false; }, 300);
    ASSERT_EQ(w.TrackList.UBound(), expected.size());
    const QList<QByteArray> records = HistoryRecords(t.folder);
    ASSERT_EQ(records.size(), expected.size());
    bool sawVoid = false;
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_DOUBLE_EQ(w.TrackList[i].Lat, expected[i].lat);
        EXPECT_EQ(w.TrackList[i].NS, QString(expected[i].ns));
        if (w.TrackList[i].Lat == 0) {
            sawVoid = true;
            EXPECT_TRUE(records[i].contains("||0||0|V|")) << records[i].constData();
            EXPECT_EQ(w.DateView->Model()->Text(i, 2), " Last location");
        } else {
            EXPECT_EQ(w.TrackList[i].NS, "S");
            EXPECT_GT(w.TrackList[i].Lat, 0) << "stored unsigned, the sign in the letter";
        }
    }
    EXPECT_TRUE(sawVoid);
}

// A surveying receiver at 10 Hz: most of its moves are in longitude alone, and each one is a new position.
TEST_F(LiveTracking, AMoveInLongitudeAloneIsLoggedListedAndDrawn) {
    const QByteArray stream = CaptureStream("nmea-rtk.log");
    const QList<Expected> expected = ChangedPositions(stream);
    ASSERT_EQ(expected.size(), 8);
    Send(stream);
    frmTrack& w = *t.window;
    ServeEventsUntil([&] { return w.TrackList.UBound() >= expected.size(); });
    ServeEventsUntil([] { return false; }, 300);
    ASSERT_EQ(w.TrackList.UBound(), expected.size());
    EXPECT_EQ(w.DateView->RowCount(), expected.size());
    EXPECT_EQ(HistoryRecords(t.folder).size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) EXPECT_DOUBLE_EQ(w.TrackList[i].Lon, expected[i].lon) << i;
    EXPECT_TRUE(t.folder.Read("carimage/markers.txt")
                    .startsWith(QByteArray::number(expected.last().lat, 'g', 15) + "|-" +
                                QByteArray::number(expected.last().lon, 'g', 15) + "|"));
}

TEST_F(LiveTracking, DisconnectGivesTheControlsBackAndTheNextConnectStartsAfresh) {
    const QByteArray sentence = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n";
    Send(sentence);
    frmTrack& w = *t.window;
    ASSERT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() == 1; }));
    EXPECT_FALSE(w.cmdGET->isEnabled());
    EXPECT_FALSE(w.CmdPOI->isEnabled());
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Settings", "CommPort"), "1");
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Settings", "Setting"), "0");

    Send("$GPRMC,0537");  // the start of a sentence waits for its end
    ServeEventsUntil([&] { return w.Framing.PendingInput() == "$GPRMC,0537"; });
    w.cmdQuery_Click();
    EXPECT_FALSE(w.MSComm1->PortOpen());
    EXPECT_TRUE(w.cmdGET->isEnabled());
    EXPECT_TRUE(w.cmdCommport->isEnabled());
    EXPECT_TRUE(w.Check1->isEnabled()) << "a listed position allows the whole-trail view";
    EXPECT_EQ(w.cmdQuery->text(), GetLanguageText(t.folder.Path(), "Track", "0003"));

    w.cmdQuery_Click();
    ASSERT_TRUE(w.MSComm1->PortOpen());
    EXPECT_EQ(w.TrackList.UBound(), 0);
    EXPECT_EQ(w.DateView->RowCount(), 0);
    EXPECT_EQ(w.CurrentFix[0].Lat, 0);
    EXPECT_EQ(w.Framing.PendingInput(), "") << "the rest of the cut sentence never comes";
    Send("1.2*3A\r\n$GPRMC,053741.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n");
    ASSERT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() == 1; }));
    EXPECT_EQ(w.TrackList[0].Lon, 121.60016) << "no position glued from two sentences";
    EXPECT_EQ(w.TrackList[0].EW, "E");
}

TEST_F(LiveTracking, NoiseNulsAndSplicedSentencesNeitherStopNorDesynchroniseTheStation) {
    // A cold start fed by a simulator: NUL bytes, sentences spliced into others, sentences cut short.
    Send(CaptureStream("gp-320fw-2019-04-07-coldboot.log"));
    Send(CaptureStream("ublox-8.log"));  // binary junk, and only $GNRMC: nothing of it is taken in
    frmTrack& w = *t.window;
    ServeEventsUntil([] { return false; }, 1000);
    const int listed = w.TrackList.UBound();
    EXPECT_GT(listed, 0);
    EXPECT_EQ(w.DateView->RowCount(), listed);
    EXPECT_EQ(HistoryRecords(t.folder).size(), listed) << "every listed position is logged, once";
    EXPECT_TRUE(t.boxes.calls.isEmpty());

    // The station still takes the next good sentence in.
    Send("\r\n$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n");
    ASSERT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() == listed + 1; }));
    EXPECT_DOUBLE_EQ(w.TrackList[listed].Lat, 25.06053);
}

TEST_F(LiveTracking, AnUnpluggedReceiverIsShownLostUntilItSendsAgainAndThenTakenInAsBefore) {
    frmTrack& w = *t.window;
    const QLabel* notice = w.stbStatusBar->Panel(3);
    Send("$GPRMC,120000.00,A,2500.0728,N,121");  // the receiver goes in the middle of a sentence
    ASSERT_TRUE(ServeEventsUntil([&] { return !w.Framing.PendingInput().isEmpty(); }));
    pty.HangUp();
    QFile::remove(t.folder.File("ports/COM1"));  // a replay's or udev's link goes with its receiver
    ASSERT_TRUE(ServeEventsUntil([&] { return notice->text() == "Receiver lost: COM1 not found"; }, 3000))
        << notice->text().toStdString();
    EXPECT_TRUE(notice->toolTip().contains(t.folder.File("ports/COM1")));
    for (const QString& cut : CutCaptions(&w)) EXPECT_FALSE(cut.contains(notice->text())) << cut.toStdString();
    EXPECT_TRUE(w.MSComm1->PortOpen()) << "still connected";

    PseudoTerminal again;
    ASSERT_TRUE(again.LinkAs(t.folder.Path(), 1));
    ASSERT_TRUE(ServeEventsUntil([&] { return !w.MSComm1->LineLost(); }, 3000));
    EXPECT_FALSE(notice->text().isEmpty()) << "open again, but nothing has come yet";
    ASSERT_TRUE(again.Write("$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n"));
    EXPECT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() == 1; }));
    EXPECT_EQ(notice->text(), "");
    EXPECT_EQ(w.TrackList[0].Lon, 121.60016) << "the half sentence from before is not glued to the first one after";
    EXPECT_EQ(w.TrackList[0].Heading, 79.65f);

    // Lost again, then disconnected: a closed port has no receiver to lose.
    again.HangUp();
    ASSERT_TRUE(ServeEventsUntil([&] { return !notice->text().isEmpty(); }, 3000));
    w.cmdQuery_Click();
    EXPECT_EQ(notice->text(), "");
    EXPECT_EQ(notice->toolTip(), "");
}

// A drawing that fails at every position, as with a folder in place of the marker file: its box is told once, and
// the positions that come while it is up are logged and listed as they come.
TEST_F(LiveTracking, AFailingDrawingIsToldOnceAndHoldsUpNoPositionWhileItsBoxIsUp) {
    frmTrack& w = *t.window;
    const QString marker = t.folder.File("carimage/markers.txt");
    ASSERT_TRUE(QDir().mkpath(marker));
    const auto sentence = [](int i) {
        return QStringLiteral("$GPRMC,0537%1.000,A,2503.%2,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n")
            .arg(i, 2, 10, QChar('0'))
            .arg(6319 + 10 * i)
            .toLatin1();
    };
    int boxes = 0, listedWhileUp = 0;
    MessageBox::SetHandler([&](const MessageBox::Call& call) {
        EXPECT_TRUE(call.text.contains("markers.txt")) << call.text.toStdString();
        if (++boxes > 1) return int(MessageBox::Ok);
        // The user leaves the box up while the receiver sends ten more positions; then the marker file is mended,
        // broken and mended again, which leaves no failure to tell once the box is closed.
        for (int i = 1; i <= 13; ++i) {
            if (i > 10) i == 12 ? QFile::remove(marker) && QDir().mkpath(marker) : QDir(marker).removeRecursively();
            EXPECT_TRUE(pty.Write(sentence(i)));
            ServeEventsUntil([&] { return w.TrackList.UBound() > i; }, 5000);
        }
        listedWhileUp = w.TrackList.UBound();
        return int(MessageBox::Ok);
    });
    Send(sentence(0));
    ASSERT_TRUE(ServeEventsUntil([&] { return listedWhileUp > 0; }, 8000));
    EXPECT_EQ(listedWhileUp, 14);
    EXPECT_EQ(HistoryRecords(t.folder).size(), 14u);
    Send(sentence(14));
    ASSERT_TRUE(ServeEventsUntil([&] { return w.TrackList.UBound() == 15; }));
    ServeEventsUntil([] { return false; }, 100);
    EXPECT_EQ(boxes, 1) << "the same failure is told once, not once a position, nor after it is mended";
}

// A connect the port refuses: the map frame shows, the refusal is reported, and nothing else changes; the port and
// settings chosen are remembered only once a port has opened.
TEST(Connect, ARefusedPortIsReportedAndNothingIsRemembered) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    QFile::link(t.folder.File("nowhere/pts"), t.folder.File("ports/COM3"));  // a receiver that has gone
    w.cmdCommport->setCurrentIndex(2);
    w.cmdSetting->setCurrentIndex(1);
    w.cmdQuery_Click();
    EXPECT_FALSE(w.MSComm1->PortOpen());
    ASSERT_EQ(t.boxes.calls.size(), 1);
    EXPECT_EQ(t.boxes.calls[0].style & 0x70, int(MessageBox::Critical));
    EXPECT_TRUE(t.boxes.calls[0].text.contains("COM3")) << t.boxes.calls[0].text.toStdString();
    EXPECT_FALSE(w.fraMap->isHidden());
    EXPECT_EQ(w.cmdQuery->text(), GetLanguageText(t.folder.Path(), "Track", "0003"));
    EXPECT_TRUE(w.cmdCommport->isEnabled());
    EXPECT_TRUE(w.cmdGET->isEnabled());
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Settings", "CommPort"), "");
    EXPECT_EQ(ReadSetting(t.folder.Path(), "Settings", "Setting"), "");
}
