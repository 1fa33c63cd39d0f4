#pragma once
#include <QObject>

// What the map page tells the station (channel object "report"): that every point of its marker file is drawn,
// icons loaded; and what the user does on it that a page shown in its place must not undo. It writes nothing and
// reads nothing.
class PageReport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE void drawn(int points) { Q_EMIT Drawn(points); }
    // A new POI's form is open, or the map is being dragged.
    Q_INVOKABLE void held(bool held) { Q_EMIT Held(held); }
    // The popup of a point opened (at lat, lon; on the vehicle or not), or closed.
    Q_INVOKABLE void popup(bool open, double lat, double lon, bool vehicle) { Q_EMIT Popup(open, lat, lon, vehicle); }
    // The user zoomed the map to this level.
    Q_INVOKABLE void zoomed(int level) { Q_EMIT Zoomed(level); }

Q_SIGNALS:
    void Drawn(int points);
    void Held(bool held);
    void Popup(bool open, double lat, double lon, bool vehicle);
    void Zoomed(int level);
};
