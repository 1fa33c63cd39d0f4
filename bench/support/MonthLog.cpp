#include "MonthLog.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdint>

#include "common/DisplayTexts.h"
#include "monitor/HistoryLog.h"

namespace {

// A small fixed generator, so every run reads the same month.
class Dice {
public:
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53);
    }

private:
    uint64_t state_ = 20090418;
};

double Round5(double value) { return std::round(value * 1e5) / 1e5; }

}  // namespace

QString WriteMonthLog(const QString& programFolder) {
    const QString folder = programFolder + "/export";
    QDir().mkpath(folder);
    const QString path = folder + "/" + HistoryFileName(QDateTime(MonthLogDay, QTime(12, 0)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};

    Dice dice;
    double lat = 24.15, lon = 120.67, heading = 90, speed = 0;
    int legLeft = 0;  // seconds until the driver changes pace
    double targetSpeed = 0;
    QByteArray chunk;
    const QDateTime start(QDate(2009, 4, 1), QTime(0, 0), Qt::UTC);
    for (qint64 second = 0; second < 30 * 86400; ++second) {
        if (--legLeft <= 0) {
            legLeft = 20 + int(dice.Next() * 600);
            const double pick = dice.Next();
            targetSpeed = pick < 0.2 ? 0 : pick < 0.7 ? 10 + dice.Next() * 30 : 35 + dice.Next() * 25;
        }
        speed += (targetSpeed - speed) * 0.1 + (dice.Next() - 0.5) * 0.4;
        if (speed < 0.05) speed = 0;
        heading = std::fmod(heading + (dice.Next() - 0.5) * 8 + 360, 360);
        const double step = speed * 0.514444 / 111000;            // knots to degrees for one second
        lat += step * std::cos(heading * M_PI / 180) + 0.000002;  // a little drift, so that a stop still moves
        lon += step * std::sin(heading * M_PI / 180);
        const TrackRecord record{FormatTimestamp(start.addSecs(second)),
                                 "E",
                                 Round5(lon),
                                 "N",
                                 Round5(lat),
                                 float(std::round(speed * 100) / 100),
                                 float(std::round(heading * 100) / 100),
                                 "A"};
        chunk += HistoryRecord(record);
        if (chunk.size() > (1 << 20)) {
            if (file.write(chunk) != chunk.size()) return {};
            chunk.clear();
        }
    }
    if (file.write(chunk) != chunk.size()) return {};
    return path;
}

HistoryFilter MonthQuery::Filter() const {
    return MakeHistoryFilter(MonthLogDay, QString(from).left(2), QString(from).mid(3), QString(to).left(2),
                             QString(to).mid(3), lowSpeed, highSpeed);
}

AwkQuery MonthQuery::ForAwk() const {
    const HistoryFilter filter = Filter();
    return {filter.LowerTime, filter.UpperTime, lowSpeed, highSpeed};
}
