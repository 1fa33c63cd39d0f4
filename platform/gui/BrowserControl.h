#pragma once
#include <QWebEngineView>

// The web-browser control that shows the map page. The page reads its marker file and map library beside it, fetches
// tiles from the internet, and may hand new POIs back through one host call (HandBackHost, channel object
// "station"), which writes the program folder's POI hand-back file and nothing else. It reports through the same
// channel when it has drawn, and what the user does on it (PageReport, object "report").
class PageReport;

class BrowserControl : public QWebEngineView {
    Q_OBJECT
public:
    explicit BrowserControl(const QString& programFolder, QWidget* parent = nullptr);

    // Loads the page at path anew, also when it is the page already shown: its files have been rewritten. The
    // query, when given, goes with the address for the page to read.
    void Navigate(const QString& path, const QString& query = {});

    PageReport* Report() const { return report_; }

Q_SIGNALS:
    // The page on show has drawn all its points (channel object "report").
    void PageDrawn(int points);

private:
    PageReport* report_;
};
