#pragma once
#include <QWidget>

class BrowserControl;

// The map's browser control on the main window. The browser engine starts on the first page shown, so a window
// that never shows a map never pays for it.
class MapBrowser : public QWidget {
    Q_OBJECT
public:
    MapBrowser(const QString& programFolder, QWidget* parent);

    // Points the browser at a page; always loads it anew.
    void Navigate(const QString& path);
    QString LocationURL() const { return location_; }
    int NavigateCount() const { return navigations_; }
    BrowserControl* Browser() const { return browser_; }

    // Tests that look only at the files the station writes turn the engine off.
    static inline bool StartEngine = true;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString programFolder_;
    QString location_;
    int navigations_ = 0;
    BrowserControl* browser_ = nullptr;
};
