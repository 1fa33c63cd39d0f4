#pragma once
#include <QTimer>
#include <QWidget>

class BrowserControl;

// The map's browser control on the main window. The browser engine starts on the first page shown, so a window
// that never shows a map never pays for it.
//
// Each page is drawn in a second view behind the one on show, which it replaces once its picture is in that view: a
// receiver at 10 Hz asks for pages faster than a page with tens of thousands of POIs draws, and a view that left
// each page for the next one before it had drawn showed an empty map. While a page draws, only the newest page asked
// for waits to follow it.
//
// The page on show stays while the user is at work on it (a new POI's form open, a drag): the pages that come
// meanwhile are drawn behind it and the newest follows once the user is done. A popup open on a point opens again
// on the page that follows, and a zoom made on the page is handed to the station, whose next page keeps it.
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

    // How long a page may take to load, and then to report that it has drawn and show it, before it is shown as it
    // is: a page that never reports (a broken template, a script that fails) must not hold up the map.
    static inline int LoadPatienceMs = 10000;
    static inline int DrawPatienceMs = 3000;

Q_SIGNALS:
    // The page on show has drawn all its points.
    void PageDrawn(int points);
    // The user zoomed the page on show to this level. The pages asked for before are dropped: they would undo it.
    void Zoomed(int level);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What the view behind the one on show is doing.
    enum class Back {
        Idle,     // nothing: it holds an older page
        Loading,  // loading and drawing a page
        Drawn,    // the page reported its drawing; its picture is awaited
        Ready     // drawn and in the picture, kept back while the user is at work on the page on show
    };
    struct Popup {
        bool open = false;
        double lat = 0;
        double lon = 0;
        bool vehicle = false;
    };

    BrowserControl* NewView();
    void Load(const QString& path);
    void Loaded(BrowserControl* view, bool ok);
    void Drawn(BrowserControl* view, int points);
    void LookForPicture();
    void Finished();
    void ShowBack();
    void Held(BrowserControl* view, bool held);
    void PageZoomed(BrowserControl* view, int level);

    QString programFolder_;
    QString location_;
    int navigations_ = 0;
    BrowserControl* front_ = nullptr;  // on show
    BrowserControl* back_ = nullptr;   // beneath it
    Back state_ = Back::Idle;
    int loads_ = 0;      // pages loaded into views; tells a page's mark from the one before it in the same view
    int points_ = -1;    // what the page behind reported, -1 before it has
    QString waiting_;    // the newest page asked for while one draws
    bool held_ = false;  // the user is at work on the page on show
    Popup popup_;        // the popup open on the page on show
    QTimer patience_;
    QTimer look_;
};
