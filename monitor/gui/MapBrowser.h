#pragma once
#include <QTimer>
#include <QWidget>

class BrowserControl;

// The map's browser control on the main window. The browser engine starts on the first page shown, so a window
// that never shows a map never pays for it.
//
// Each page is drawn in a second view behind the one on show, which it replaces once it has drawn: a receiver at
// 10 Hz asks for pages faster than a page with tens of thousands of POIs draws, and a view that left each page for
// the next one before it had drawn showed an empty map. While a page draws, only the newest page asked for waits
// to follow it.
class MapBrowser : public QWidget {
    Q_OBJECT
public:
    MapBrowser(const QString& programFolder, QWidget* parent);
    ~MapBrowser() override;

    // Points the browser at a page and always loads it anew: at once, or, while a page draws, once that one is on
    // show (the page files are rewritten at every drawing, so the newest request is all that matters).
    void Navigate(const QString& path);
    QString LocationURL() const { return location_; }
    int NavigateCount() const { return navigations_; }
    // The view on show; null until the first page is.
    BrowserControl* Browser() const { return front_; }

    // Tests that look only at the files the station writes turn the engine off.
    static inline bool StartEngine = true;

    // How long a page may take to load, and then to report that it has drawn, before it is shown as it is: a page
    // that never reports (a broken template, a script that fails) must not hold up the map.
    static inline int LoadPatienceMs = 10000;
    static inline int DrawPatienceMs = 3000;

Q_SIGNALS:
    // The page on show has drawn all its points.
    void PageDrawn(int points);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    BrowserControl* NewView();
    void Load(const QString& path);
    void Loaded(BrowserControl* view, bool ok);
    void Drawn(BrowserControl* view, int points);
    void ShowDrawing();

    QString programFolder_;
    QString location_;
    int navigations_ = 0;
    BrowserControl* front_ = nullptr;  // on show
    BrowserControl* back_ = nullptr;   // beneath it, drawing the next page or left with the previous one
    bool drawing_ = false;
    QString waiting_;  // the newest page asked for while one draws
    QTimer patience_;
};
