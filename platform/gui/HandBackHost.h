#pragma once
#include <QObject>
#include <QString>

// What the map page is offered of the station: adding text to the POI hand-back file of the program folder, every
// other path refused with the reason, and how many POIs that file holds until they are imported.
class HandBackHost : public QObject {
    Q_OBJECT
public:
    HandBackHost(const QString& programFolder, QObject* parent);

    // "" when the text was written, else the reason it was not (the refusal included) for the page to show.
    Q_INVOKABLE QString writeHandBack(const QString& path, const QString& text);
    Q_INVOKABLE int waitingHandBacks() const;

private:
    QString programFolder_;
};
