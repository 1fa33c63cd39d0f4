#include "app/gui/frmLogo.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "common/Settings.h"
#include "platform/Application.h"
#include "platform/gui/Twips.h"

frmLogo::frmLogo(const QString& programFolder, QWidget* owner)
    : StayingDialog(owner, Qt::FramelessWindowHint | Qt::Dialog), programFolder_(programFolder) {
    setModal(true);
    resize(Twips::ToPixels(4680), Twips::ToPixels(3090));
    labLogo = new QLabel(this);
    QFont arial("Arial");
    arial.setPointSizeF(14.25);  // the int constructor would make it 14
    labLogo->setFont(arial);
    labLogo->move(Twips::ToPixels(240), Twips::ToPixels(2400));
    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);  // its first tick unloads the splash; it never ticks twice
    connect(Timer1, &QTimer::timeout, this, &frmLogo::Timer1_Timer);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
    Timer1->start();
}

void frmLogo::Form_Load() {
    Application::SetTitle(Application::ProgramTitle(GetLanguageText(programFolder_, "Track", "0001")));
    labLogo->setText(Application::Title());
    labLogo->adjustSize();
}

void frmLogo::Timer1_Timer() { accept(); }

void frmLogo::paintEvent(QPaintEvent*) {
    // The splash picture: a night sky over a road, drawn rather than shipped as an image file.
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(10, 30, 80));
    sky.setColorAt(0.7, QColor(40, 110, 170));
    sky.setColorAt(1, QColor(200, 220, 235));
    p.fillRect(rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 210, 60), 3));
    p.setBrush(Qt::NoBrush);
    const int cx = width() / 2, cy = height() / 3;
    for (int r = 12; r <= 48; r += 18) p.drawEllipse(QPoint(cx, cy), r, r);
    p.setBrush(QColor(255, 80, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(cx, cy), 6, 6);
}
