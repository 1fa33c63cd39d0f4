// The map page as the station writes it, shown by the real browser engine: one marker per line of the marker file,
// and POIs the user marks handed back through the one host call. Offline: tiles fail, markers must not.
#include <QtCore/qtestsupport_core.h>
#include <gtest/gtest.h>

#include <QFile>

#include "ProgramFolder.h"
#include "monitor/MapPage.h"
#include "monitor/MapValues.h"
#include "monitor/MarkerFile.h"
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
        pois.Append(Poi(24.14, 120.68, "3", "Station"));
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

    // Writes the page for a drawing centred on lat, lon and shows it; true once the page has read its marker file.
    bool ShowPage(const QString& pageFolder, double lat, double lon) {
        WriteMapPage(pageFolder, ReadMapTemplate(folder.Path()), lat, lon, "15");
        // The page on show forgets its state, so only the new page can answer.
        Run("window.stationMap = undefined");
        browser.Navigate(MapPagePath(pageFolder));
        return WaitFor("window.stationMap !== undefined && stationMap.markersShown >= 0 && stationMap.hostReady");
    }

    int MarkerCount() { return Run("document.querySelectorAll('.leaflet-marker-icon').length").toInt(); }

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

TEST_F(MapInBrowser, EveryMarkerLineBecomesAMarkerWithItsIcon) {
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), pois);
    ASSERT_TRUE(ShowPage(folder.Path(), 24.1502, 120.6712));
    EXPECT_TRUE(WaitFor("document.querySelectorAll('.leaflet-marker-icon').length === 3"));

    const QStringList icons =
        Run("Array.from(document.querySelectorAll('.leaflet-marker-icon'), i => i.src)").toStringList();
    ASSERT_EQ(icons.size(), 3);
    EXPECT_TRUE(icons[0].endsWith("/carimage/C-rv/car090.gif")) << icons[0].toStdString();
    EXPECT_TRUE(icons[1].endsWith("/carimage/House/House3.gif")) << icons[1].toStdString();
    EXPECT_TRUE(icons[2].endsWith("/carimage/House/House5.gif")) << icons[2].toStdString();
    // The icons the build drew decode in the browser.
    EXPECT_TRUE(
        WaitFor("Array.from(document.querySelectorAll('.leaflet-marker-icon'))"
                ".every(i => i.complete && i.naturalWidth === 32)"));

    // The popup shows field 4 with its line breaks, and a name's markup as text.
    Run("stationMap.map.eachLayer(l => { if (l.getIcon && l.getIcon().options.iconUrl === 'House/House5.gif')"
        " l.openPopup(); })");
    EXPECT_TRUE(WaitFor("document.querySelector('.leaflet-popup-content') !== null"));
    EXPECT_EQ(Run("document.querySelector('.leaflet-popup-content').textContent").toString(),
              "<img src=x onerror=\"window.injected=1\">Harbour");
    EXPECT_FALSE(Run("window.injected === 1").toBool());
}

TEST_F(MapInBrowser, NavigatingAgainReadsTheRewrittenMarkerFile) {
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), PoiList{});
    ASSERT_TRUE(ShowPage(folder.Path(), 24.1502, 120.6712));
    EXPECT_TRUE(WaitFor("document.querySelectorAll('.leaflet-marker-icon').length === 1"));

    TrackList track;
    track.Append(Position(24.10, 120.60, 0));
    track.Append(Position(24.11, 120.61, 45));
    track.Append(Position(24.12, 120.62, 180));
    WriteTrailMarkers(folder.Path(), track, 1, pois);
    ASSERT_TRUE(ShowPage(folder.Path(), 24.11, 120.61));
    EXPECT_TRUE(WaitFor("document.querySelectorAll('.leaflet-marker-icon').length === 5"));
    EXPECT_EQ(Run("document.querySelectorAll('img[src$=\"C-Rv/car045.gif\"]').length").toInt(), 1);
    EXPECT_EQ(Run("document.querySelectorAll('img[src^=\"POI/car\"]').length").toInt(), 2);
    EXPECT_NEAR(Run("stationMap.map.getCenter().lat").toDouble(), 24.11, 1e-6);
    EXPECT_EQ(Run("stationMap.map.getZoom()").toInt(), 15);
}

TEST_F(MapInBrowser, MarkedPoisAreHandedBackAndShown) {
    WriteVehicleMarkers(folder.Path(), FixRecord::FromTrack(Position(24.1502, 120.6712, 90)), PoiList{});
    ASSERT_TRUE(ShowPage(folder.Path(), 24.1502, 120.6712));
    EXPECT_TRUE(WaitFor("document.querySelectorAll('.leaflet-marker-icon').length === 1"));

    MarkPoi(24.15, 120.65, "Harbour");
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.Read("poi.txt") == "Harbour,24.15,120.65\r\n"; }, Timeout))
        << folder.Read("poi.txt").toStdString();
    EXPECT_TRUE(WaitFor("document.querySelectorAll('img[src$=\"House/House1.gif\"]').length === 1"));

    // A name with a comma would split into other fields: the form keeps it back.
    MarkPoi(24.14, 120.68, "Station, north");
    MarkPoi(-24.1412345678, -120.68, "Station");
    EXPECT_TRUE(QTest::qWaitFor([&] { return folder.Read("poi.txt").count("\r\n") == 2; }, Timeout));
    EXPECT_EQ(folder.Read("poi.txt"), "Harbour,24.15,120.65\r\nStation,-24.141235,-120.68\r\n");
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
    Run("stationMap.host.writeHandBack('" + HandBackFilePath(folder.Path()) +
        "', 'x,1,2\\r\\n', r => { window.answer2 = r; })");
    EXPECT_TRUE(WaitFor("window.answer2 === ''"));
    EXPECT_EQ(folder.Read("poi.txt"), "x,1,2\r\n");
}
