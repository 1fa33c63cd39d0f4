// The controls of the main window as designed: names, containers, twips geometry, fonts, colours, design captions
// and the hidden and disabled states.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>

#include "monitor/gui/MapBrowser.h"
#include "monitor/gui/frmTrack.h"
#include "platform/gui/DeferredErrorBox.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/ListView.h"
#include "platform/gui/PictureButton.h"
#include "platform/gui/SerialPortControl.h"
#include "platform/gui/StatusBar.h"
#include "platform/gui/Twips.h"

namespace {

QFont Arial(double points, bool bold = false) {
    QFont f("Arial", 9);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

template <typename W>
W* Place(W* w, double left, double top, double width, double height, const QFont& font = Arial(9)) {
    Twips::Move(w, left, top, width, height);
    w->setFont(font);
    return w;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, double l, double t, double w, double h,
                  const QFont& font = Arial(9)) {
    return Place(new QLabel(caption, parent), l, t, w, h, font);
}

QComboBox* MakeList(QWidget* parent, double l, double t, double w, double h, const QFont& font = Arial(9)) {
    auto* combo = Place(new QComboBox(parent), l, t, w, h, font);
    combo->setEditable(false);  // a drop-down list takes only its own entries
    return combo;
}

QPixmap ZoomPicture(bool in) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(240, 240, 255));
    p.setPen(QPen(QColor(0, 0, 128), 1.2));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
    if (in) p.drawLine(QPointF(8, 4.5), QPointF(8, 11.5));
    return pm;
}

QLabel* MakeOverlay(QWidget* parent, const QString& caption, double l, double t, double w, double h, QColor colour) {
    auto* label = MakeLabel(parent, caption, l, t, w, h, Arial(9, true));
    label->setStyleSheet(QString("color: %1;").arg(colour.name()));
    label->hide();
    return label;
}

}  // namespace

void frmTrack::CreateControls() {
    setFont(Arial(8.25));
    CreateMapFrame();
    CreateQueryFrame();
    CmdPOI = Place(new QPushButton("Command1", this), 8280, 2760, 2895, 615, Arial(9.75));
    CreateRecordsFrame();

    DateView = Place(new ListView(this), 0, 7200, 10395, 1815, Arial(11.25));
    stbStatusBar = Place(new StatusBar(this), 0, 8685, 11835, 270, Arial(9.75));
    CreateTimersAndServices();
}

void frmTrack::CreateMapFrame() {
    fraMap = Place(new QGroupBox(this), 0, 480, 7815, 6615);
    fraMap->hide();
    WBMaps = Place(new MapBrowser(programFolder_, fraMap), 0, 240, 5415, 2415);
    WBMaps->hide();
    lblCaption = MakeOverlay(fraMap, " Caption ", 120, 0, 735, 225, QColor(0, 0, 192));
    labXY = MakeOverlay(fraMap, " Caption ", 3840, 5280, 735, 225, QColor(128, 0, 128));
    lblSpeed = MakeOverlay(fraMap, QString::fromUtf8("速度：0 km"), 5340, 5160, 1005, 225, QColor(0, 0, 192));
    lblZoom = MakeLabel(fraMap, "12", 6360, 4440, 180, 180, QFont("MS Sans Serif", 8));
    lblZoom->setFont([] {
        QFont f("MS Sans Serif");
        f.setPointSizeF(8.25);
        return f;
    }());
    lblZoom->hide();
    imgZoomIn = MakeLabel(fraMap, "", 7440, 360, 240, 240);
    imgZoomIn->setPixmap(ZoomPicture(true));
    imgZoomIn->setToolTip(QString::fromUtf8("放大"));
    imgZoomIn->hide();
    imgZoomOut = MakeLabel(fraMap, "", 7440, 2400, 240, 240);
    imgZoomOut->setPixmap(ZoomPicture(false));
    imgZoomOut->setToolTip(QString::fromUtf8("縮小"));
    imgZoomOut->hide();
}

void frmTrack::CreateQueryFrame() {
    fraTrackQuery = Place(new QGroupBox(this), 8040, 120, 3135, 2595);
    labComPort = MakeLabel(fraTrackQuery, "CommPort:", 600, 420, 990, 240, Arial(9.75));
    cmdCommport = MakeList(fraTrackQuery, 1680, 360, 1335, 360, Arial(9.75));
    Label1 = MakeLabel(fraTrackQuery, "Setting:", 930, 1020, 675, 240, Arial(9.75));
    cmdSetting = MakeList(fraTrackQuery, 1680, 960, 1335, 360, Arial(9.75));
    cmdSetting->addItems({"4800,n,8,1", "9600,n,8,1"});
    cmdQuery = Place(new QPushButton(QString::fromUtf8("查詢"), fraTrackQuery), 1560, 1560, 1455, 495);
}

void frmTrack::CreateRecordsFrame() {
    frmRecords = Place(new QGroupBox("Route Planner", this), 7800, 3720, 3855, 6585, Arial(9, true));
    QWidget* r = frmRecords;
    lblFromTime = MakeLabel(r, "From date:", 60, 330, 885, 225);
    dtpFromTime = Place(new QDateEdit(r), 1065, 300, 1515, 300);
    dtpFromTime->setCalendarPopup(true);
    Label7 = MakeLabel(r, "Star Time:", 120, 780, 840, 225);
    Combo1 = MakeList(r, 1080, 720, 735, 345);
    Label8 = MakeLabel(r, ":", 1800, 780, 45, 225);
    Combo2 = MakeList(r, 1920, 720, 735, 345);
    Label10 = MakeLabel(r, "End Time:", 120, 1305, 840, 225);
    Combo4 = MakeList(r, 1065, 1245, 735, 345);
    Label9 = MakeLabel(r, ":", 1800, 1305, 45, 225);
    Combo3 = MakeList(r, 1920, 1245, 735, 345);
    lblFromSpeed = MakeLabel(r, "Speed:", 360, 1800, 585, 225);
    txtFromSpeed = Place(new QLineEdit("0", r), 1065, 1740, 615, 330);
    lblKm1 = MakeLabel(r, "km", 1800, 1800, 255, 225);
    lblToSpeed = MakeLabel(r, "~", 2040, 1800, 105, 225);
    txtToSpeed = Place(new QLineEdit("999", r), 2160, 1740, 615, 330);
    lblKm2 = MakeLabel(r, "km", 2880, 1800, 255, 225);
    Check1 = Place(new QCheckBox(QString::fromUtf8("全程航跡圖"), r), 360, 2160, 2775, 255, Arial(8.25));
    Check1->setEnabled(false);
    cmdGET = Place(new PictureButton(r), 2760, 240, 975, 1335);
    cmdGET->setText("Get Records");
    cmdGET->setIcon(QApplication::style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdGET->setIconSize(QSize(32, 32));

    fraPlay = Place(new QGroupBox("Play Time", r), 240, 2520, 3390, 1560);
    Label5 = MakeLabel(fraPlay, "Interval:", 240, 375, 585, 180);
    txtInterval = Place(new QLineEdit("1", fraPlay), 915, 315, 615, 300);
    Label4 = MakeLabel(fraPlay, "Sec", 1620, 375, 240, 180);
    sldInterval = Place(new QSlider(Qt::Horizontal, fraPlay), 120, 720, 2805, 495);
    sldInterval->setRange(1, 10);
    sldInterval->setSingleStep(1);
    sldInterval->setPageStep(5);
    sldInterval->setTickPosition(QSlider::TicksBelow);
    lblOne = MakeLabel(fraPlay, "1", 285, 1260, 90, 180);
    lblTen = MakeLabel(fraPlay, "10", 2640, 1260, 180, 180);
    // The scale's figures are a shade wider than their labels; centred, the overhang falls on the blank side
    // bearings of the glyphs instead of cutting off the edge of the last figure.
    for (QLabel* figure : {lblOne, lblTen}) figure->setAlignment(Qt::AlignCenter);

    cmdExport = Place(new QPushButton("Export Records", r), 150, 4200, 1110, 510);
    cmdPlay = Place(new QPushButton("Play", r), 1380, 4200, 1110, 510);
    cmdStopPlay = Place(new QPushButton("Stop", r), 2655, 4200, 1110, 510);
    for (QPushButton* b : {cmdExport, cmdPlay, cmdStopPlay}) b->setEnabled(false);
}

void frmTrack::CreateTimersAndServices() {
    MapTimer = new QTimer(this);
    MapTimer->setInterval(20000);
    Timer3 = new QTimer(this);
    Timer3->setInterval(50);
    Timer4 = new QTimer(this);
    Timer4->setInterval(1000);
    MSComm1 = new SerialPortControl(programFolder_, this);
    liveFailure_ = new DeferredErrorBox(this);
    ComDlg = new FileDialog(this);
}
