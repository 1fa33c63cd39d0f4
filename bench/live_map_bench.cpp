// The live map as a receiver feeds it: $GPRMC sentences at 1 or 10 Hz through a pseudo-terminal into the station,
// each a new position that the station draws, with 12 or 32,767 POIs in the table. The screen is read 25 times a
// second where the map stands, as a screen recorder would: a frame without the vehicle at the map's centre, once it
// has been seen there, is a blank frame. A picture is on screen when a page that has drawn all its points is seen
// before the view leaves it for the next one.
// Headless by default; with QT_QPA_PLATFORM=xcb on a display (Xvfb will do) the engine paints as on a desktop, where
// pages take longer to reach the screen and the screen is the X server's.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "PoiTableFill.h"
#include "ProgramFolder.h"
#include "PseudoTerminal.h"
#include "StationBenchmarks.h"
#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/BrowserControl.h"
#include "platform/gui/SerialPortControl.h"
#include "poidb/PoiDatabaseFile.h"

namespace {

constexpr int MeasuredSeconds = 20;
constexpr int LooksPerSecond = 25;

// Serves the event loop as the station's own does, for the given time.
void RunFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The n-th position of a drive due east along 24.1 N, a metre a fix, heading 90, so the vehicle's icon is
// C-rv/car090.gif. It starts some 120 pixels east of the diagonal on which the POI fill lays its POIs: with 32,767
// of them, a band of POIs is in view beside the vehicle.
QByteArray Sentence(int n) {
    const int tenths = n;  // a tenth of a second a fix, whatever the rate: only the position must change
    const QString time = QStringLiteral("%1%2%3.%4")
                             .arg(8 + tenths / 36000, 2, 10, QChar('0'))
                             .arg(tenths / 600 % 60, 2, 10, QChar('0'))
                             .arg(tenths / 10 % 60, 2, 10, QChar('0'))
                             .arg(tenths % 10)
                             .append('0');
    const double lonMinutes = (0.104 + n * 1e-5) * 60;
    const QByteArray body = QStringLiteral("GPRMC,%1,A,2406.0000,N,120%2,E,19.4,90.0,180524,,,A")
                                .arg(time)
                                .arg(lonMinutes, 7, 'f', 4, QChar('0'))
                                .toLatin1();
    quint8 sum = 0;
    for (char c : body) sum ^= quint8(c);
    return "$" + body + "*" + QByteArray::number(sum, 16).toUpper().rightJustified(2, '0') + "\r\n";
}

// Whether a look at the view shows the vehicle's icon at the map's centre: every opaque pixel of it in place,
// allowing for the rounding of the centre to whole pixels.
bool ShowsVehicle(const QImage& view, const QImage& icon) {
    const QPoint corner(view.width() / 2 - icon.width() / 2, view.height() / 2 - icon.height() / 2);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            bool all = true;
            for (int y = 0; y < icon.height() && all; ++y)
                for (int x = 0; x < icon.width() && all; ++x) {
                    const QPoint at = corner + QPoint(dx + x, dy + y);
                    if (qAlpha(icon.pixel(x, y)) == 255 &&
                        (!view.rect().contains(at) || view.pixel(at) != icon.pixel(x, y)))
                        all = false;
                }
            if (all) return true;
        }
    return false;
}

// What the screen shows where the map stands: the desktop's own picture, not what the view would draw of itself.
QImage ScreenOfMap(const QWidget* map) {
    QScreen* screen = map->screen();
    const QPoint corner = map->mapToGlobal(QPoint(0, 0)) - screen->geometry().topLeft();
    return screen->grabWindow(0, corner.x(), corner.y(), map->width(), map->height()).toImage();
}

void LiveMap(benchmark::State& state) {
    const int pois = int(state.range(0));
    const int hertz = int(state.range(1));
    // Window and folder live to the end of the process, as the browser engine's pages do.
    ProgramFolder& folder = *new ProgramFolder(ProgramFolder::Station);
    FillPoiTable(PoiDatabasePath(folder.Path()), pois);
    PseudoTerminal receiver;
    if (!receiver.IsValid() || !receiver.LinkAs(folder.Path(), 1)) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    frmTrack::EndProgram = [] {};
    frmTrack* window = new frmTrack(folder.Path());
    if (!window->Show()) {
        state.SkipWithError("the window did not load");
        return;
    }
    window->resize(1200, 900);
    window->cmdCommport->setCurrentIndex(0);
    window->cmdQuery_Click();
    if (!window->MSComm1->PortOpen()) {
        state.SkipWithError("the port did not open");
        return;
    }
    const QImage icon(folder.File("carimage/C-rv/car090.gif"));

    int sent = 0;
    QTimer feed;
    QObject::connect(&feed, &QTimer::timeout, [&] { receiver.Write(Sentence(sent++)); });
    feed.start(1000 / hertz);
    // The engine starts with the first drawing; the measuring starts once it has drawn a page.
    bool engineUp = false;
    for (int waited = 0; waited < 60000 && !engineUp; waited += 100) {
        RunFor(100);
        engineUp = window->WBMaps->Browser() && ShowsVehicle(ScreenOfMap(window->WBMaps), icon);
    }
    if (!engineUp) {
        state.SkipWithError("the map never showed the vehicle");
        return;
    }
    for (auto _ : state) {
        int looks = 0, blank = 0, drawn = 0, shown = 0;
        // The views of the map, each with whether a page it has drawn has not been seen yet. A view is watched from
        // the first look after the station made it.
        QHash<BrowserControl*, bool> unseen;
        QList<QMetaObject::Connection> connections;
        const auto watchViews = [&] {
            for (BrowserControl* view : window->WBMaps->findChildren<BrowserControl*>()) {
                if (unseen.contains(view)) continue;
                unseen[view] = false;
                connections << QObject::connect(view, &BrowserControl::PageDrawn, [&, view](int) {
                    ++drawn;
                    unseen[view] = true;
                });
                connections << QObject::connect(view, &QWebEngineView::loadStarted,
                                                [&, view] { unseen[view] = false; });
            }
        };
        watchViews();
        const int firstSent = sent;
        const int firstNavigation = window->WBMaps->NavigateCount();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            ++looks;
            BrowserControl* onShow = window->WBMaps->Browser();
            if (!ShowsVehicle(ScreenOfMap(window->WBMaps), icon)) {
                ++blank;
            } else if (unseen.value(onShow)) {
                ++shown;
                unseen[onShow] = false;
            }
            watchViews();
            if (looks == MeasuredSeconds * LooksPerSecond) loop.quit();
        });
        look.start(1000 / LooksPerSecond);
        loop.exec();
        const double seconds = clock.nsecsElapsed() / 1e9;
        for (const auto& connection : connections) QObject::disconnect(connection);
        state.SetIterationTime(seconds);

        const double positions = (sent - firstSent) / seconds;
        const double navigations = (window->WBMaps->NavigateCount() - firstNavigation) / seconds;
        state.counters["positions_per_s"] = positions;
        state.counters["pages_drawn_per_s"] = drawn / seconds;
        state.counters["pictures_per_s"] = shown / seconds;
        state.counters["blank_share"] = double(blank) / looks;
        std::printf(
            "%5d POIs at %2d Hz: %.1f positions/s (%.1f pages written/s), %.2f pages drawn/s, "
            "%.2f pictures on screen/s, %d of %d looks blank (%.0f%%)\n",
            pois, hertz, positions, navigations, drawn / seconds, shown / seconds, blank, looks, 100.0 * blank / looks);
    }
    feed.stop();
    window->cmdQuery_Click();  // disconnects
    window->close();           // unloads: the shared POI connection closes for the next window
    RunFor(500);
}

BENCHMARK(LiveMap)
    ->ArgNames({"pois", "hz"})
    ->Args({12, 1})
    ->Args({12, 10})
    ->Args({32767, 1})
    ->Args({32767, 10})
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return RunStationBenchmarks(argc, argv, true); }
