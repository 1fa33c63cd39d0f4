#include "monitor/gui/MapBrowser.h"

#include "platform/gui/BrowserControl.h"

MapBrowser::MapBrowser(const QString& programFolder, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder) {}

void MapBrowser::Navigate(const QString& path) {
    location_ = path;
    ++navigations_;
    if (!StartEngine) return;
    if (!browser_) {
        browser_ = new BrowserControl(programFolder_, this);
        browser_->setGeometry(rect());
        browser_->show();
    }
    browser_->Navigate(path);
}

void MapBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (browser_) browser_->setGeometry(rect());
}
