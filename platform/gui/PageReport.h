#pragma once
#include <QObject>

// What the map page tells the station of its drawing: that every point of its marker file is drawn, icons loaded.
// The page calls it through the web channel (object "report"); it writes nothing and reads nothing.
class DrawingReport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE void drawn(int points) { Q_EMIT Drawn(points); }

Q_SIGNALS:
    void Drawn(int points);
};
