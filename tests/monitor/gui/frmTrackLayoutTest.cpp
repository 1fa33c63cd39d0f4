#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTest>

#include "TrackWindow.h"
#include "monitor/gui/MapBrowser.h"
#include "platform/gui/ListView.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/Twips.h"

namespace {
struct Box {
    double left, top, width, height;
};
Box At(const QWidget* w) { return {Twips::Left(w), Twips::Top(w), Twips::Width(w), Twips::Height(w)}; }

void ResizeInner(frmTrack& w, double widthTwips, double heightTwips) {
    w.resize(Twips::ToPixels(widthTwips), Twips::ToPixels(heightTwips));
    QCoreApplication::processEvents();
}
}  // namespace

TEST(frmTrackLayout, DesignWidthPutsTheRightColumnBesideTheMap) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    ResizeInner(w, 11835, 8955);
    EXPECT_EQ(At(w.fraMap).width, 7680);
    EXPECT_EQ(At(w.DateView).width, 7680);
    EXPECT_EQ(At(w.fraTrackQuery).left, 7830);
    EXPECT_EQ(At(w.frmRecords).left, 7830);
    EXPECT_EQ(At(w.CmdPOI).left, 9030);
    EXPECT_EQ(At(w.frmRecords).width, 3855);
    // The table starts 110 twips under the map (within a pixel) and ends just above the status bar.
    EXPECT_NEAR(At(w.DateView).top - (At(w.fraMap).top + At(w.fraMap).height), 110, 15);
    EXPECT_NEAR(At(w.DateView).top + At(w.DateView).height, 8955 - At(w.stbStatusBar).height - 10, 15);
    EXPECT_EQ(At(w.stbStatusBar).top + At(w.stbStatusBar).height, 8955) << "the status bar stays at the bottom";
}

TEST(frmTrackLayout, NarrowAndLowWindowsAreLaidOutAtTheMinimum) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    ResizeInner(w, 5000, 3000);
    EXPECT_EQ(At(w.fraMap).width, 1845);
    EXPECT_EQ(At(w.fraTrackQuery).left, 1995);
    // H is held at 4500: the map is (4500 - 50) * 0.75 = 3337.5 high before the pixel rounding.
    EXPECT_NEAR(At(w.fraMap).height, 3337.5, 7.5);
    EXPECT_NEAR(At(w.frmRecords).height, 1240, 15);
}

TEST(frmTrackLayout, MinimizedWindowMovesNothing) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    ResizeInner(w, 11835, 8955);
    const Box before = At(w.fraMap);
    w.setWindowState(Qt::WindowMinimized);
    w.resize(Twips::ToPixels(6000), Twips::ToPixels(6000));
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.isMinimized());
    EXPECT_EQ(At(w.fraMap).width, before.width);
    // Shown again at that size, it is laid out for it.
    w.setWindowState(Qt::WindowNoState);
    w.resize(Twips::ToPixels(6000), Twips::ToPixels(6000));
    QCoreApplication::processEvents();
    EXPECT_LT(At(w.fraMap).width, before.width);
}

TEST(frmTrackLayout, DesignSizeShowsEveryControlWhereTheDesignPutsIt) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    // Controls the layout leaves alone keep their design positions within their containers.
    struct Expect {
        QWidget* control;
        Box box;
    };
    const std::vector<Expect> fixed{
        {w.labComPort, {600, 420, 990, 240}},   {w.cmdCommport, {1680, 360, 1335, 360}},
        {w.Label1, {930, 1020, 675, 240}},      {w.cmdSetting, {1680, 960, 1335, 360}},
        {w.cmdQuery, {1560, 1560, 1455, 495}},  {w.lblFromTime, {60, 330, 885, 225}},
        {w.dtpFromTime, {1065, 300, 1515, 300}}, {w.Combo1, {1080, 720, 735, 345}},
        {w.Combo2, {1920, 720, 735, 345}},      {w.Combo4, {1065, 1245, 735, 345}},
        {w.Combo3, {1920, 1245, 735, 345}},     {w.txtFromSpeed, {1065, 1740, 615, 330}},
        {w.txtToSpeed, {2160, 1740, 615, 330}}, {w.Check1, {360, 2160, 2775, 255}},
        {w.cmdGET, {2760, 240, 975, 1335}},     {w.fraPlay, {240, 2520, 3390, 1560}},
        {w.txtInterval, {915, 315, 615, 300}},  {w.sldInterval, {120, 720, 2805, 495}},
        {w.cmdExport, {150, 4200, 1110, 510}},  {w.cmdPlay, {1380, 4200, 1110, 510}},
        {w.cmdStopPlay, {2655, 4200, 1110, 510}}, {w.lblZoom, {6360, 4440, 180, 180}},
        {w.lblCaption, {120, 0, 735, 225}},
    };
    for (const Expect& e : fixed) {
        const Box b = At(e.control);
        SCOPED_TRACE(e.control->metaObject()->className());
        EXPECT_EQ(b.left, e.box.left);
        EXPECT_EQ(b.top, e.box.top);
        EXPECT_EQ(b.width, e.box.width);
        EXPECT_EQ(b.height, e.box.height);
    }
    EXPECT_EQ(w.cmdCommport->parentWidget(), w.fraTrackQuery);
    EXPECT_EQ(w.txtInterval->parentWidget(), w.fraPlay);
    EXPECT_EQ(w.WBMaps->parentWidget(), w.fraMap);
    EXPECT_EQ(w.DateView->font().pointSizeF(), 11.25);
    EXPECT_EQ(w.CmdPOI->font().pointSizeF(), 9.75);
    EXPECT_EQ(w.frmRecords->font().bold(), true);
    EXPECT_EQ(w.lblCaption->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(w.labXY->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    EXPECT_EQ(w.imgZoomIn->toolTip(), QString::fromUtf8("放大"));

    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.width(), Twips::ToPixels(11835));
    EXPECT_EQ(shot.height(), Twips::ToPixels(8955));
}

TEST(frmTrackLayout, ALowWindowsStatusBarHidesTheTableUnderIt) {
    TrackWindow t;
    ASSERT_TRUE(t.Show());
    frmTrack& w = *t.window;
    QPalette marked = w.DateView->palette();
    marked.setColor(QPalette::Base, Qt::red);
    w.DateView->setPalette(marked);
    ResizeInner(w, 6000, 4200);  // laid out at the minimum height, the table reaches past the bottom edge
    const QRect bar = w.stbStatusBar->geometry();
    ASSERT_TRUE(w.DateView->geometry().intersects(bar));

    const QImage shot = w.grab(bar).toImage();
    int seeThrough = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) seeThrough += shot.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_EQ(seeThrough, 0) << "pixels of the table show through the status bar";
}
