#include "monitor/gui/MapBrowser.h"

#include <QApplication>
#include <utility>

#include "platform/gui/BrowserControl.h"

MapBrowser::MapBrowser(const QString& programFolder, QWidget* parent) : QWidget(parent), programFolder_(programFolder) {
    patience_.setSingleShot(true);
    connect(&patience_, &QTimer::timeout, this, [this] {
        if (drawing_) ShowDrawing();
    });
}

MapBrowser::~MapBrowser() {
    // The views go with the widget after this object's members: what they report on their way out must not reach it.
    for (BrowserControl* view : {front_, back_})
        if (view) view->disconnect(this);
}

void MapBrowser::Navigate(const QString& path) {
    location_ = path;
    ++navigations_;
    if (!StartEngine) return;
    if (drawing_) {
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
    connect(view, &BrowserControl::PageDrawn, this, [this, view](int points) { Drawn(view, points); });
    return view;
}

void MapBrowser::Load(const QString& path) {
    if (!back_) back_ = NewView();
    drawing_ = true;
    patience_.start(LoadPatienceMs);
    back_->Navigate(path);
}

void MapBrowser::Loaded(BrowserControl* view, bool ok) {
    if (view != back_ || !drawing_) return;
    // A page that failed to load shows its failure; one that loaded gets its time to draw.
    if (!ok) {
        ShowDrawing();
    } else {
        patience_.start(DrawPatienceMs);
    }
}

void MapBrowser::Drawn(BrowserControl* view, int points) {
    if (view == back_ && drawing_) ShowDrawing();
    if (view == front_) Q_EMIT PageDrawn(points);  // also a page shown after its patience ran out that drew late
}

void MapBrowser::ShowDrawing() {
    patience_.stop();
    drawing_ = false;
    const QWidget* focus = QApplication::focusWidget();
    const bool focused = front_ && focus && front_->isAncestorOf(focus);
    std::swap(front_, back_);
    front_->raise();
    if (focused) front_->setFocus();
    if (!waiting_.isEmpty()) Load(std::exchange(waiting_, QString()));
}

void MapBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (BrowserControl* view : {front_, back_})
        if (view) view->setGeometry(rect());
}
