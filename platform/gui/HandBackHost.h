#pragma once
#include <QObject>
#include <QString>

// The one host call the map page is offered: add text to the POI hand-back file of the program folder. Every other
// path is refused, and the page is told why.
class HandBackHost : public QObject {
    Q_OBJECT
public:
    HandBackHost(const QString& programFolder, QObject* parent);

    // "" when the text was written, else the reason it was not (the refusal included) for the page to show.
    Q_INVOKABLE QString writeHandBack(const QString& path, const QString& text);

private:
    QString programFolder_;
};
