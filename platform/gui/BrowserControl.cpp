#include "platform/gui/BrowserControl.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QWebChannel>
#include <QWebEngineSettings>

#include "platform/gui/HandBackHost.h"
#include "platform/gui/PageReport.h"

BrowserControl::BrowserControl(const QString& programFolder, QWidget* parent) : QWebEngineView(parent) {
    // The engine describes its set-up (GL type, surface, its command line) on stderr at every start, as info
    // messages of its context category; set before page() starts it. Its warnings still come through, and
    // QT_LOGGING_RULES brings the rest back.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QWebEngineSettings* settings = page()->settings();
    // The page is a local file: it reads markers.txt beside it (file: URL) and takes its tiles from the internet,
    // which a local page is not allowed by default.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);

    auto* channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("station"), new HandBackHost(programFolder, channel));
    report_ = new PageReport(channel);
    connect(report_, &PageReport::Drawn, this, &BrowserControl::PageDrawn);
    channel->registerObject(QStringLiteral("report"), report_);
    page()->setWebChannel(channel);
}

void BrowserControl::Navigate(const QString& path, const QString& query) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!query.isEmpty()) url.setQuery(query);
    // load() starts a fresh navigation even to the URL on show, so the rewritten marker file is read again.
    load(url);
}
