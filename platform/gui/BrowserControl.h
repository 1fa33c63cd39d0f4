#pragma once
#include <QWebEngineView>

// The web-browser control that shows the map page. The page reads its marker file and map library beside it, fetches
// tiles from the internet, and may hand new POIs back through one host call (HandBackHost, channel object
// "station"), which writes the program folder's POI hand-back file and nothing else. It reports through the same
// channel when it has drawn (DrawingReport, object "report").
class BrowserControl : public QWebEngineView {
    Q_OBJECT
public:
    explicit BrowserControl(const QString& programFolder, QWidget* parent = nullptr);

    // Loads the page at path anew, also when it is the page already shown: its files have been rewritten.
    void Navigate(const QString& path);

Q_SIGNALS:
    // The page on show has drawn all its points (channel object "report").
    void PageDrawn(int points);
};
