#include "monitor/gui/MapBrowser.h"

#include <QApplication>
#include <QImage>
#include <QWebEnginePage>
#include <utility>

#include "platform/gui/BrowserControl.h"
#include "platform/gui/PageReport.h"

namespace {
// The page's mark in its view's top left pixel once its icons are drawn: the map's grey with its blue raised by the
// page's number, 1 to 32 by turns, so that it tells a page from those loaded before it into the same view.
int MarkNumber(int load) { return load % 32 + 1; }
QRgb MarkColour(int load) { return qRgb(221, 221, 221 + MarkNumber(load)); }
}  // namespace

MapBrowser::MapBrowser(const QString& programFolder, QWidget* parent) : QWidget(parent), programFolder_(programFolder) {
    patience_.setSingleShot(true);
    connect(&patience_, &QTimer::timeout, this, [this] {
        if (state_ == Back::Loading || state_ == Back::Drawn) Finished();
    });
    // A frame or so: the picture follows the report within a few frames when it has not come before it.
    look_.setSingleShot(true);
    look_.setInterval(16);
    connect(&look_, &QTimer::timeout, this, &MapBrowser::LookForPicture);
}

MapBrowser::~MapBrowser() {
    // The views go with the widget after this object's members: what they report on their way out must not reach it.
    for (BrowserControl* view : {front_, back_})
        if (view) {
            view->disconnect(this);
            view->Report()->disconnect(this);
        }
}

void MapBrowser::Navigate(const QString& path) {
    location_ = path;
    ++navigations_;
    if (!StartEngine) return;
    if (state_ == Back::Loading || state_ == Back::Drawn) {
        waiting_ = path;
        return;
    }
    Load(path);
}

BrowserControl* MapBrowser::NewView() {
    auto* view = new BrowserControl(programFolder_, this);
    view->setGeometry(rect());
    // Beneath the page on show, but shown: the engine does not draw a hidden page.
    view->lower();
    view->show();
    connect(view, &QWebEngineView::loadFinished, this, [this, view](bool ok) { Loaded(view, ok); });
    const PageReport* report = view->Report();
    connect(report, &PageReport::Drawn, this, [this, view](int points) { Drawn(view, points); });
    connect(report, &PageReport::Held, this, [this, view](bool held) { Held(view, held); });
    connect(report, &PageReport::Popup, this, [this, view](bool open, double lat, double lon, bool vehicle) {
        if (view == front_) popup_ = {open, lat, lon, vehicle};
    });
    connect(report, &PageReport::Zoomed, this, [this, view](int level) { PageZoomed(view, level); });
    return view;
}

// A page loaded while another is kept back replaces it there: only the newest waits for the user.
void MapBrowser::Load(const QString& path) {
    if (!back_) back_ = NewView();
    state_ = Back::Loading;
    points_ = -1;
    look_.stop();
    patience_.start(LoadPatienceMs);
    back_->Navigate(path, QString::number(MarkNumber(++loads_)));
}

void MapBrowser::Loaded(BrowserControl* view, bool ok) {
    if (view != back_ || state_ != Back::Loading) return;
    // A page that failed to load shows its failure; one that loaded gets its time to draw.
    if (!ok) {
        Finished();
    } else {
        patience_.start(DrawPatienceMs);
    }
}

void MapBrowser::Drawn(BrowserControl* view, int points) {
    if (view == front_) Q_EMIT PageDrawn(points);  // a page shown after its patience ran out that drew late
    if (view != back_ || state_ != Back::Loading) return;
    state_ = Back::Drawn;
    points_ = points;
    LookForPicture();
}

// The report comes by the web channel, the picture by the engine's compositor, and the report may come first: a
// view raised then showed the map without its icons for a frame or two. The page marks its picture once its icons
// are in it; until the view has that picture, it stays behind. Asking for the view's picture also brings what the
// view shows up to date, which it is not while another view covers it.
void MapBrowser::LookForPicture() {
    if (state_ != Back::Drawn) return;
    const QImage corner = back_->grab(QRect(0, 0, 1, 1)).toImage();
    if (!corner.isNull() && corner.pixel(0, 0) == MarkColour(loads_)) {
        Finished();
    } else {
        look_.start();
    }
}

void MapBrowser::Finished() {
    patience_.stop();
    look_.stop();
    if (!held_) {
        ShowBack();
        return;
    }
    state_ = Back::Ready;
    if (!waiting_.isEmpty()) Load(std::exchange(waiting_, QString()));
}

void MapBrowser::ShowBack() {
    state_ = Back::Idle;
    const QWidget* focus = QApplication::focusWidget();
    const bool focused = front_ && focus && front_->isAncestorOf(focus);
    std::swap(front_, back_);
    front_->raise();
    if (focused) front_->setFocus();
    held_ = false;
    if (popup_.open) {
        front_->page()->runJavaScript(QStringLiteral("stationMap.openPopupAt(%1, %2, %3)")
                                          .arg(popup_.lat, 0, 'g', 17)
                                          .arg(popup_.lon, 0, 'g', 17)
                                          .arg(popup_.vehicle ? "true" : "false"));
    }
    if (points_ >= 0) Q_EMIT PageDrawn(points_);
    if (!waiting_.isEmpty()) Load(std::exchange(waiting_, QString()));
}

void MapBrowser::Held(BrowserControl* view, bool held) {
    if (view != front_) return;
    held_ = held;
    if (!held_ && state_ == Back::Ready) ShowBack();
}

void MapBrowser::PageZoomed(BrowserControl* view, int level) {
    if (view != front_) return;
    waiting_.clear();
    if (state_ != Back::Idle) {
        patience_.stop();
        look_.stop();
        back_->stop();
        state_ = Back::Idle;
    }
    Q_EMIT Zoomed(level);
}

void MapBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (BrowserControl* view : {front_, back_})
        if (view) view->setGeometry(rect());
}
