// Writes the station's demonstration drive: a car leaving its depot, a few blocks round a made-up town and back,
// one fix a second, as an NMEA 0183 receiver sends it: $GPRMC with $GPGGA every second and $GPVTG every other
// second, a short search for satellites at the start, a wait at a red light, correct checksums and CR LF line ends.
//
//   makedrive OUTPUT

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double MetresPerDegree = 111320.0;
constexpr double KnotsPerMetrePerSecond = 3600.0 / 1852.0;

// The depot, and the corners of the round in metres east and north of it.
constexpr double DepotLat = 48.1000;
constexpr double DepotLon = 11.5000;
struct Point {
    double east, north;
};
const std::vector<Point> Round = {
    {0, 0},      {420, 0},    {420, 260}, {780, 260},  {780, 640},  {1180, 640}, {1180, 980}, {640, 980},
    {640, 1320}, {150, 1320}, {150, 820}, {-260, 820}, {-260, 380}, {0, 380},    {0, 0},
};
constexpr int RedLightCorner = 6;  // the car waits here
constexpr int RedLightSeconds = 12;
constexpr int SearchSeconds = 6;  // void fixes before the first position

constexpr double Cruise = 13.0;      // m/s on the straights
constexpr double CornerSpeed = 4.0;  // m/s through a corner
constexpr double Acceleration = 1.6;

std::string Checksummed(const std::string& body) {
    unsigned sum = 0;
    for (char c : body) sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return "$" + body + tail;
}

// ddmm.mmmm (or dddmm.mmmm) from decimal degrees, without rounding the minutes up to 60.
std::string Coordinate(double degrees, int degreeDigits) {
    const long total = std::lround(std::fabs(degrees) * 600000.0);
    char text[24];
    std::snprintf(text, sizeof text, "%0*ld%02ld.%04ld", degreeDigits, total / 600000, total % 600000 / 10000,
                  total % 10000);
    return text;
}

std::string Clock(int second) {
    const int t = 8 * 3600 + 30 * 60 + second;  // 08:30:00 UTC onwards
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d%02d.00", t / 3600 % 24, t / 60 % 60, t % 60);
    return text;
}

constexpr const char* Date = "180524";

struct Fix {
    double east, north, speed, course;
};

// The car's state once a second along the round: it speeds up from the depot, slows for every corner, stops at the
// red light and rolls back into the depot.
std::vector<Fix> Drive() {
    std::vector<Fix> fixes;
    double speed = 0;
    for (std::size_t leg = 0; leg + 1 < Round.size(); ++leg) {
        const Point a = Round[leg], b = Round[leg + 1];
        const double length = std::hypot(b.east - a.east, b.north - a.north);
        const double course = std::fmod(std::atan2(b.east - a.east, b.north - a.north) * 180 / Pi + 360, 360);
        const bool stopAtEnd = leg + 2 == Round.size() || static_cast<int>(leg + 1) == RedLightCorner;
        const double endSpeed = stopAtEnd ? 0 : CornerSpeed;
        double along = 0;
        while (along < length) {
            // Brake in time for the end of the leg, otherwise speed up to cruising.
            const double brake = std::sqrt(endSpeed * endSpeed + 2 * Acceleration * (length - along));
            speed = std::min({speed + Acceleration, Cruise, brake});
            speed = std::max(speed, 1.0);
            along = std::min(length, along + speed);
            const double f = along / length;
            fixes.push_back({a.east + f * (b.east - a.east), a.north + f * (b.north - a.north), speed, course});
        }
        if (stopAtEnd) {
            speed = 0;
            const int wait = leg + 2 == Round.size() ? 3 : RedLightSeconds;
            for (int i = 0; i < wait; ++i) fixes.push_back({b.east, b.north, 0, course});
        }
    }
    return fixes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedrive OUTPUT\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::fprintf(stderr, "makedrive: cannot write %s\n", argv[1]);
        return 1;
    }

    int second = 0;
    for (; second < SearchSeconds; ++second) {
        out << Checksummed("GPRMC," + Clock(second) + ",V,,,,,,," + Date + ",,,N");
        out << Checksummed("GPGGA," + Clock(second) + ",,,,,0,00,99.9,,M,,M,,");
    }
    const double metresPerDegreeEast = MetresPerDegree * std::cos(DepotLat * Pi / 180);
    for (const Fix& fix : Drive()) {
        const std::string lat = Coordinate(DepotLat + fix.north / MetresPerDegree, 2);
        const std::string lon = Coordinate(DepotLon + fix.east / metresPerDegreeEast, 3);
        char motion[32];
        std::snprintf(motion, sizeof motion, "%.1f,%.1f", fix.speed * KnotsPerMetrePerSecond, fix.course);
        out << Checksummed("GPRMC," + Clock(second) + ",A," + lat + ",N," + lon + ",E," + motion + "," + Date + ",,,A");
        out << Checksummed("GPGGA," + Clock(second) + "," + lat + ",N," + lon + ",E,1,08,0.9,521.4,M,47.3,M,,");
        if (second % 2 == 0) {
            char vtg[64];
            std::snprintf(vtg, sizeof vtg, "GPVTG,%.1f,T,,M,%.1f,N,%.1f,K,A", fix.course,
                          fix.speed * KnotsPerMetrePerSecond, fix.speed * 3.6);
            out << Checksummed(vtg);
        }
        ++second;
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "makedrive: writing %s failed\n", argv[1]);
        return 1;
    }
    std::fprintf(stderr, "makedrive: %d seconds of driving in %s\n", second, argv[1]);
    return 0;
}
