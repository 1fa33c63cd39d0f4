// The map page as the station writes it, shown by the real browser engine: every line of the marker file drawn as
// its icon, with its popup on a click, and POIs the user marks handed back through the one host call. Offline: tiles
// fail, icons must not.
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QTest>
#include <utility>

#include "ProgramFolder.h"
#include "common/DisplayTexts.h"
#include "monitor/MapPage.h"
#include "monitor/MapValues.h"
#include "monitor/MarkerFile.h"
#include "monitor/gui/MapBrowser.h"
#include "platform/HandBackFile.h"
#include "platform/gui/BrowserControl.h"

namespace {

constexpr int Timeout = 30000;

TrackRecord Position(double lat, double lon, float heading) {
    return {"2024/05/01 10:00:00", "E", lon, "N", lat, 12.5f, heading, "A"};
}

PoiRecord Poi(double y, double x, const QString& kind, const QString& name) { return {{}, x, y, kind, name}; }

class MapInBrowser : public testing::Test {
protected:
    ProgramFolder folder{ProgramFolder::Station};
    BrowserControl browser{folder.Path()};
    PoiList pois;

    void SetUp() override {
        // Names break their lines at "<br>" in either case and show their entities decoded.
        pois.Append(Poi(24.14, 120.68, "3", "Station &amp; depot<BR>north"));
        // A name that tries to run script in the page is shown as text.
        pois.Append(Poi(24.16, 120.66, "5", "<img src=x onerror=\"window.injected=1\">Harbour"));
        browser.resize(640, 480);
        browser.show();
    }

    QVariant Run(const QString& script) {
        QVariant result;
        bool done = false;
        browser.page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, Timeout)) << script.toStdString();
        return result;
    }

    bool WaitFor(const QString& condition) {
        return QTest::qWaitFor([&] { return Run(condition).toBool(); }, Timeout);
    }

    // Writes the page for a drawing centred on lat, lon and shows it; true once the page has drawn every point of
    // its marker file and said so.
    bool ShowPage(const QString& pageFolder, double lat, double lon) {
        WriteMapPage(pageFolder, ReadMapTemplate(folder.Path()), lat, lon, "15");
        // The page on show forgets its state, so only the new page can answer.
        Run("window.stationMap = undefined");
        drawn.clear();
        browser.Navigate(MapPagePath(pageFolder));
        return QTest::qWaitFor([&] { return !drawn.isEmpty(); }, Timeout) &&
               WaitFor("window.stationMap !== undefined && stationMap.drawn && stationMap.hostReady");
    }

    // The icons the page draws, "|" between them.
    QString Icons() { return Run("stationMap.points.map(p => p.icon).join('|')").toString(); }

    // Where point i of the marker file lies in the view.
    QPoint PointAt(int i) {
        const QVariantList at =
            Run(QStringLiteral(
                    "var p = stationMap.map.latLngToContainerPoint(stationMap.points[%1].latlng); [p.x, p.y]")
                    .arg(i))
                .toList();
        return at.size() == 2 ? QPoint(at[0].toInt(), at[1].toInt()) : QPoint(-1000, -1000);
    }
    // A click of the mouse where point i of the marker file is drawn.
    void ClickPoint(int i, QPoint offset = {}) {
        QTest::mouseClick(browser.focusProxy(), Qt::LeftButton, {}, PointAt(i) + offset);
    }
    // Whether the view comes to show the icon file centred on point i, where clicks find it: every opaque pixel of
    // the icon in its place.
    bool ShowsIconOn(int i, const QString& icon) {
        const QImage image(folder.File("carimage/" + icon));
        const QPoint corner = PointAt(i) - QPoint(image.width() / 2, image.height() / 2);
        const auto shown = [&] {
            const QImage view = browser.grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) == 255 && view.pixel(corner + QPoint(x, y)) != image.pixel(x, y))
                        return false;
            return true;
        };
        return !image.isNull() && QTest::qWaitFor(shown, Timeout);
    }
    QString PopupText() {
        return Run("var c = document.querySelector('.leaflet-popup-content'); c ? c.textContent : ''").toString();
    }

    QList<int> drawn;
    QMetaObject::Connection drawnConnection =
        QObject::connect(&browser, &BrowserControl::PageDrawn, [this](int points) { drawn.append(points); });

    // A click on the map, a name typed into the form it opens (the newest: a closed one fades out), and Save.
    void MarkPoi(double lat, double lon, const QString& name) {
        Run(QStringLiteral("stationMap.map.fire('click', {latlng: L.latLng(%1, %2)});"
                           "var forms = document.querySelectorAll('.new-poi'), form = forms[forms.length - 1];"
                           "form.querySelector('input').value = '%3';"
                           "form.querySelector('button').click();")
                .arg(QString::number(lat, 'g', 17), QString::number(lon, 'g', 17), name));
    }
};

}  // namespace

TEST_F(MapInBrowser, EveryMarkerLineIsDrawnWithItsIconAndOpensItsPopupWhenClicked) {
    browser.resize(1200, 900);  // the POIs lie some 250 pixels from the vehicle
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), pois);
    ASSERT_TRUE(ShowPage(folder.Path(), 24.1502, 120.6712));
    EXPECT_EQ(drawn, QList<int>{3});
    EXPECT_EQ(Icons(), "C-rv\\car090.gif|House\\House3.gif|House\\House5.gif");
    // The icons the build drew decode in the browser.
    EXPECT_TRUE(
        Run("Object.values(stationMap.icons._images).every(i => i.complete && i.naturalWidth === 32)").toBool());
    EXPECT_TRUE(ShowsIconOn(0, "C-rv/car090.gif"));

    // A click on an icon shows field 4 with its line breaks, and a name's markup as text.
    ClickPoint(0, QPoint(10, -12));  // near the icon's corner
    const QString vehicle = "2024/05/01 10:00:00Direction:EastSpeed:" + FormatSpeed(folder.Path(), 12.5f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return PopupText() == vehicle; }, Timeout)) << PopupText().toStdString();
    EXPECT_EQ(Run("document.querySelectorAll('.leaflet-popup-content br').length").toInt(), 2);
    ClickPoint(1);
    EXPECT_TRUE(WaitFor("document.querySelector('.leaflet-popup-content').innerText === 'Station & depot\\nnorth'"))
        << PopupText().toStdString();
    ClickPoint(2);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return PopupText() == "<img src=x onerror=\"window.injected=1\">Harbour"; }, Timeout))
        << PopupText().toStdString();
    EXPECT_FALSE(Run("window.injected === 1").toBool());
    // A second click closes it, as a marker's popup closes.
    ClickPoint(2);
    EXPECT_TRUE(WaitFor("document.querySelector('.leaflet-popup') === null"));
    // A click beside every icon offers a new POI instead.
    ClickPoint(2, QPoint(40, 40));
    EXPECT_TRUE(WaitFor("document.querySelector('.new-poi') !== null"));

    // The engine's account of its set-up stays off the console; its warnings do not.
    const QLoggingCategory engine("qt.webenginecontext");
    EXPECT_FALSE(engine.isInfoEnabled());
    EXPECT_TRUE(engine.isWarningEnabled());
}

TEST_F(MapInBrowser, NavigatingAgainReadsTheRewrittenMarkerFile) {
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), PoiList{});
    ASSERT_TRUE(ShowPage(folder.Path(), 24.1502, 120.6712));
    EXPECT_EQ(Icons(), "C-rv\\car090.gif");

    TrackList track;
    track.Append(Position(24.10, 120.60, 0));
    track.Append(Position(24.11, 120.61, 45));
    track.Append(Position(24.12, 120.62, 180));
    WriteTrailMarkers(folder.Path(), track, 1, pois);
    ASSERT_TRUE(ShowPage(folder.Path(), 24.11, 120.61));
    EXPECT_EQ(drawn, QList<int>{5});
    EXPECT_EQ(Icons(), "POI\\car000.gif|C-Rv\\car045.gif|POI\\car180.gif|House\\House3.gif|House\\House5.gif");
    EXPECT_NEAR(Run("stationMap.map.getCenter().lat").toDouble(), 24.11, 1e-6);
    EXPECT_EQ(Run("stationMap.map.getZoom()").toInt(), 15);
}

// The station's map view draws each page behind the one on show and shows it once drawn; of the pages asked for
// meanwhile only the newest follows. A page that never reports its drawing, or fails to load, holds nothing up.
TEST_F(MapInBrowser, TheMapViewShowsEachPageOnceDrawnAndOnlyTheNewestOfThoseAskedForMeanwhile) {
    MapBrowser map(folder.Path(), nullptr);
    map.resize(640, 480);
    map.show();
    QList<int> shown, zooms;
    // Each page shown is the one on top, where the user sees it and clicks.
    QObject::connect(&map, &MapBrowser::PageDrawn, [&](int points) {
        const QWidget* top = map.childAt(map.rect().center());
        EXPECT_TRUE(top && (top == map.Browser() || map.Browser()->isAncestorOf(top))) << "page " << shown.size();
        shown.append(points);
    });
    QObject::connect(&map, &MapBrowser::Zoomed, [&](int level) { zooms.append(level); });
    const auto draw = [&](int poiCount) {
        PoiList some;
        for (int i = 0; i < poiCount; ++i) some.Append(Poi(24.14, 120.68 + i * 0.001, "1", QString::number(i)));
        WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), some);
        WriteMapPage(folder.Path(), ReadMapTemplate(folder.Path()), 24.1502, 120.6712, "15");
        map.Navigate(MapPagePath(folder.Path()));
    };
    const auto onShow = [&](const QString& script, BrowserControl* view = nullptr) {
        QVariant result;
        bool done = false;
        (view ? view : map.Browser())->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, Timeout));
        return result;
    };

    draw(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown == QList<int>{1}; }, Timeout));
    BrowserControl* first = map.Browser();
    // Three positions while the next page draws: the first of them loads, the newest follows it, the one between
    // is never loaded. The page that loads first may read a marker file written after it.
    draw(1);
    draw(2);
    draw(3);
    EXPECT_EQ(map.Browser(), first) << "the drawn page stays on show";
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 3; }, Timeout));
    QTest::qWait(500);
    EXPECT_EQ(shown.size(), 3);
    EXPECT_EQ(shown.last(), 4);
    EXPECT_TRUE(onShow("stationMap.drawn && stationMap.points.length === 4").toBool());

    const int patience = std::exchange(MapBrowser::DrawPatienceMs, 300);
    folder.Write("carimage/plain.htm", "<!DOCTYPE html><html><body>no map here</body></html>");
    map.Navigate(folder.File("carimage/plain.htm"));
    draw(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 4; }, Timeout));
    map.Navigate(folder.File("carimage/missing.htm"));
    draw(6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 5; }, Timeout));
    MapBrowser::DrawPatienceMs = patience;
    EXPECT_EQ(shown.mid(3), (QList<int>{6, 7}));
    EXPECT_EQ(map.NavigateCount(), 8);

    // A new POI's form open on the page keeps it on show, while the page asked for meanwhile draws behind it and
    // follows once the form is closed. The page tells the view by the web channel, which the waits leave time for.
    BrowserControl* kept = map.Browser();
    onShow("stationMap.map.fire('click', {latlng: L.latLng(24.16, 120.69)})");
    QTest::qWait(300);
    draw(7);
    BrowserControl* behind = map.findChildren<BrowserControl*>().value(map.findChildren<BrowserControl*>()[0] == kept);
    EXPECT_TRUE(QTest::qWaitFor([&] { return onShow("!!window.stationMap && stationMap.drawn", behind).toBool(); }));
    QTest::qWait(300);
    EXPECT_EQ(map.Browser(), kept);
    onShow("stationMap.map.closePopup()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 6 && map.Browser() == behind; }, Timeout));
    // A popup open on the vehicle opens again on the next page.
    onShow("stationMap.map.fire('click', {latlng: stationMap.points[0].latlng})");
    QTest::qWait(300);
    draw(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.size() == 7; }, Timeout));
    EXPECT_TRUE(QTest::qWaitFor([&] { return onShow("!!document.querySelector('.leaflet-popup')").toBool(); }));
    // A zoom made on the page is handed on, and the page asked for before it, which would undo it, is dropped.
    draw(2);
    onShow("stationMap.map.setZoom(13)");
    EXPECT_TRUE(QTest::qWaitFor([&] { return zooms == QList<int>{13}; }, Timeout));
    QTest::qWait(2000);
    EXPECT_EQ(shown.size(), 7);
}

TEST_F(MapInBrowser, AClickOnATrailOpensThePopupOfTheIconOnTop) {
    browser.resize(1200, 900);
    TrackList track;
    const auto at = [&track](double lat, double lon) {
        TrackRecord r = Position(lat, lon, 0);
        r.Time = QStringLiteral("2024/05/01 10:%1:00").arg(track.UBound() / 60, 2, 10, QChar('0')) + "#" +
                 QString::number(track.UBound());
        track.Append(r);
    };
    for (int row = 0; row < 10; ++row)
        for (int column = 0; column < 20; ++column) at(24.10 + row * 0.002, 120.60 + column * 0.002);
    // Icons stack as the map's markers do: a later line over an earlier one at the same place, and one further
    // south over one further north.
    at(24.1091 - 8 * 4.36 / 111320, 120.6191);  // 8 pixels further south of the two after it
    at(24.1091, 120.6191);
    at(24.1091, 120.6191);
    WriteTrailMarkers(folder.Path(), track, 55, pois);
    ASSERT_TRUE(ShowPage(folder.Path(), 24.109, 120.619));
    EXPECT_EQ(drawn, QList<int>{205});

    const auto popupAfterClick = [&](int point, QPoint offset) {
        ClickPoint(point, offset);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !PopupText().isEmpty(); }, Timeout));
        const QString text = PopupText().section('#', 1).section("Direction", 0, 0);
        Run("stationMap.map.closePopup()");
        EXPECT_TRUE(WaitFor("document.querySelector('.leaflet-popup') === null"));  // it fades out before it goes
        return text;
    };
    for (int point : {0, 55, 137, 199}) EXPECT_EQ(popupAfterClick(point, QPoint(-15, 15)), QString::number(point));
    EXPECT_EQ(popupAfterClick(201, {}), "200") << "the southern icon covers the middle of the others";
    EXPECT_EQ(popupAfterClick(201, QPoint(0, -12)), "202") << "of two at one place, the later line";
}

TEST_F(MapInBrowser, MarkedPoisAreHandedBackAndShown) {
    PoiList stored;
    stored.Append(Poi(24.13, 120.69, "2", "Depot Nord Ost"));
    stored.Append(Poi(24.13, 120.70, "2", "Station &amp; depot"));
    stored.Append(Poi(24.13, 120.71, "2", "Ärger"));
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), stored);
    ASSERT_TRUE(ShowPage(folder.Path(), 24.1502, 120.6712));

    MarkPoi(24.15, 120.65, "<b>Harbour</b>");
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.Read("poi.txt") == "<b>Harbour</b>,24.15,120.65\r\n"; }, Timeout))
        << folder.Read("poi.txt").toStdString();
    EXPECT_TRUE(WaitFor("document.querySelectorAll('img[src$=\"House/House1.gif\"]').length === 1"));
    // Its popup shows the name's markup as text.
    Run("document.querySelector('img[src$=\"House/House1.gif\"]').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return PopupText() == "<b>Harbour</b>"; }, Timeout)) << PopupText().toStdString();

    // A name with a comma would split into other fields: the form keeps it back.
    MarkPoi(24.14, 120.68, "Station, north");
    MarkPoi(-24.1412345678, -120.68, "Station");
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.Read("poi.txt").count("\r\n") == 2; }, Timeout));
    EXPECT_EQ(folder.Read("poi.txt"), "<b>Harbour</b>,24.15,120.65\r\nStation,-24.141235,-120.68\r\n");

    // A name that the import would skip is refused on the spot and nothing is drawn: a stored name as the marker
    // file holds it, entities and all, the letters A to Z in either case; and a name this page has handed back.
    for (const QString name : {"depot nord OST", "Station &amp; depot", "<b>harbour</b>"}) {
        MarkPoi(24.13, 120.66, name);
        EXPECT_TRUE(WaitFor(QStringLiteral("var forms = document.querySelectorAll('.new-poi');"
                                           "forms[forms.length - 1].lastChild.textContent === "
                                           "'A point of interest named \"%1\" is already stored.'")
                                .arg(name)))
            << name.toStdString();
    }
    // Other letters keep their case there, and the name shown is not the name stored.
    MarkPoi(24.12, 120.66, "ärger");
    MarkPoi(24.11, 120.66, "Station & depot");
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.Read("poi.txt").count("\r\n") == 4; }, Timeout));
    EXPECT_EQ(folder.Read("poi.txt"),
              "<b>Harbour</b>,24.15,120.65\r\nStation,-24.141235,-120.68\r\n"
              "ärger,24.12,120.66\r\nStation & depot,24.11,120.66\r\n");
    EXPECT_TRUE(WaitFor("document.querySelectorAll('img[src$=\"House/House1.gif\"]').length === 4"));

    // With the POIs of the lists and those waiting in the file at the lists' limit, the next is refused at once.
    Run("stationMap.listed = 32767 - 4");
    MarkPoi(24.10, 120.66, "One too many");
    EXPECT_TRUE(
        WaitFor("var forms = document.querySelectorAll('.new-poi');"
                "forms[forms.length - 1].lastChild.textContent.indexOf('The POI list holds at most') === 0"));
    EXPECT_EQ(folder.Read("poi.txt").count("\r\n"), 4);
}

TEST_F(MapInBrowser, TheHostCallRefusesEveryOtherFile) {
    // A page written for another program folder hands back to that folder's file: this browser refuses it, and the
    // page says so.
    ProgramFolder other(ProgramFolder::Station);
    WriteVehicleMarkers(other.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), PoiList{});
    ASSERT_TRUE(ShowPage(other.Path(), 24.1502, 120.6712));
    MarkPoi(24.15, 120.65, "Harbour");
    EXPECT_TRUE(WaitFor("document.getElementById('note').textContent.indexOf('Refused') === 0"));
    EXPECT_FALSE(QFile::exists(other.File("poi.txt")));
    EXPECT_FALSE(QFile::exists(folder.File("poi.txt")));

    Run("stationMap.host.writeHandBack('/tmp/poi.txt', 'x,1,2\\r\\n', r => { window.answer = r; })");
    EXPECT_TRUE(WaitFor("typeof window.answer === 'string' && window.answer.indexOf('Refused') === 0"));
    Run("stationMap.host.writeHandBack('" + HandBackFilePath(folder.Path()).replace("\\", "\\\\") +
        "', 'x,1,2\\r\\n', r => { window.answer2 = r; })");
    EXPECT_TRUE(WaitFor("window.answer2 === ''"));
    EXPECT_EQ(folder.Read("poi.txt"), "x,1,2\r\n");
}
