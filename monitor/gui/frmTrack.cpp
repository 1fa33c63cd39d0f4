#include "monitor/gui/frmTrack.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "monitor/gui/MapBrowser.h"
#include "platform/gui/ListView.h"
#include "platform/gui/SerialPortControl.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/Twips.h"

frmTrack::frmTrack(const QString& programFolder, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder), CurrentFix{FixRecord{}} {
    setWindowTitle(QString::fromUtf8("衛星車輛航跡查詢"));
    resize(Twips::ToPixels(11835), Twips::ToPixels(8955));
    // Opened at its design position, the window stands centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    CreateControls();
    ConnectHandlers();
}

frmTrack::~frmTrack() = default;

void frmTrack::ConnectHandlers() {
    connect(cmdQuery, &QPushButton::clicked, this, &frmTrack::cmdQuery_Click);
    connect(MSComm1, &SerialPortControl::OnComm, this, &frmTrack::MSComm1_OnComm);
    connect(MSComm1, &SerialPortControl::LineChanged, this, &frmTrack::MSComm1_LineChanged);
    connect(Timer3, &QTimer::timeout, this, &frmTrack::Timer3_Timer);
    connect(MapTimer, &QTimer::timeout, this, &frmTrack::MapTimer_Timer);
    connect(CmdPOI, &QPushButton::clicked, this, &frmTrack::CmdPOI_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmTrack::Check1_Click);
    connect(DateView, &ListView::Clicked, this, &frmTrack::DateView_Click);
    connect(WBMaps, &MapBrowser::Zoomed, this, &frmTrack::WBMaps_Zoomed);
    connect(cmdGET, &QToolButton::clicked, this, &frmTrack::cmdGET_Click);
    connect(cmdPlay, &QPushButton::clicked, this, &frmTrack::cmdPlay_Click);
    connect(cmdStopPlay, &QPushButton::clicked, this, &frmTrack::cmdStopPlay_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmTrack::cmdExport_Click);
    // The zoom buttons are pictures: their clicks come through the window's event filter.
    imgZoomIn->installEventFilter(this);
    imgZoomOut->installEventFilter(this);
}

bool frmTrack::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == imgZoomIn) imgZoomIn_Click();
        if (watched == imgZoomOut) imgZoomOut_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void frmTrack::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The status bar is docked at the bottom edge, across the whole width.
    const double h = Twips::Height(stbStatusBar);
    Twips::Move(stbStatusBar, 0, Twips::FromPixels(height()) - h, Twips::FromPixels(width()), h);
    Form_Resize();
}

void frmTrack::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Form_Resize();
}

void frmTrack::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmTrack::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}
