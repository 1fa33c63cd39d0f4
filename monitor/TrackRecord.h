#pragma once
#include <QString>

#include "common/SpareList.h"

// One logged position. The sign of a coordinate lives only in its hemisphere letter: Lon and Lat are never negative.
struct TrackRecord {
    QString Time;      // "yyyy/mm/dd hh:mm:ss", the PC clock when the sentence was taken in
    QString EW;        // "E" or "W" as received
    double Lon = 0;    // unsigned decimal degrees, rounded to 5 decimals; 0 means no position
    QString NS;        // "N" or "S" as received
    double Lat = 0;    // unsigned decimal degrees, rounded to 5 decimals; 0 means no position
    float Speed = 0;   // as received (knots), not converted
    float Heading = 0; // course over ground in degrees, as received
    QString Status;    // "A" valid fix, "V" void
};

// The current position the map shows. Same values as TrackRecord, in its own record order.
struct FixRecord {
    QString Time;
    QString Status;
    QString EW;
    double Lon = 0;
    QString NS;
    double Lat = 0;
    float Speed = 0;
    float Heading = 0;

    // Shows a stored entry: everything but the fix status, which the callers decide on themselves.
    void TakePosition(const TrackRecord& r) {
        Time = r.Time;
        EW = r.EW;
        Lon = r.Lon;
        NS = r.NS;
        Lat = r.Lat;
        Speed = r.Speed;
        Heading = r.Heading;
    }

    TrackRecord ToTrack() const { return {Time, EW, Lon, NS, Lat, Speed, Heading, Status}; }
    static FixRecord FromTrack(const TrackRecord& r) {
        return {r.Time, r.Status, r.EW, r.Lon, r.NS, r.Lat, r.Speed, r.Heading};
    }
};

using TrackList = SpareList<TrackRecord>;
