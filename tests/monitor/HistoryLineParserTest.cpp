// The byte parser of history records against the parser it replaced, which read every field through QString, a
// regular expression and QLocale. Both run side by side over the records that real receivers' positions give, as
// the intake writes them under regional settings with "." and with "," as the decimal mark, and over damaged
// records; every field must come out the same, a field that does not convert included.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>
#include <cstring>
#include <optional>

#include "DefaultLocale.h"
#include "ProgramFolder.h"
#include "common/DisplayTexts.h"
#include "monitor/GprmcIntake.h"
#include "monitor/HistoryLineParser.h"
#include "monitor/HistoryLog.h"

namespace {

// The parser as it was, kept word for word as the reference, but for speed and heading, which now read with either
// decimal mark whatever the regional settings: those by the rule itself.
namespace before {

std::optional<double> ReadCoordinate(const QString& text) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text, &ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Speed and heading by the rule rather than by a copy of the code under test: either mark is the decimal mark, so
// a text holding two marks is grouped and reads as nothing; otherwise as a plain number with ".".
std::optional<float> ReadSingle(QString text) {
    if (text.count(u'.') + text.count(u',') > 1) return std::nullopt;
    bool ok = false;
    const float value = QLocale::c().toFloat(text.replace(u',', u'.'), &ok);
    return ok ? std::optional(value) : std::nullopt;
}

QDateTime ReadHistoryTime(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{4})([/-])(\d{1,2})\2(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return {};
    const QDate date(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    const QTime time(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt());
    if (!date.isValid() || !time.isValid()) return {};
    return QDateTime(date, time, QTimeZone::utc());
}

void ParseHistoryLine(const QString& line, TrackRecord& entry) {
    const QStringList f = line.split(u'|');
    const auto field = [&f](int n) { return n <= f.size() ? std::optional(f[n - 1]) : std::nullopt; };
    if (const auto text = field(1)) {
        if (const QDateTime time = ReadHistoryTime(*text); time.isValid()) entry.Time = FormatTimestamp(time);
    }
    if (const auto text = field(2)) entry.NS = *text;
    if (const auto text = field(3)) entry.Lon = ReadCoordinate(*text).value_or(entry.Lon);
    if (const auto text = field(4)) entry.EW = *text;
    if (const auto text = field(5)) entry.Lat = ReadCoordinate(*text).value_or(entry.Lat);
    if (const auto text = field(6)) entry.Status = *text;
    if (const auto text = field(7)) entry.Speed = ReadSingle(*text).value_or(entry.Speed);
    if (const auto text = field(8)) entry.Heading = ReadSingle(*text).value_or(entry.Heading);
}

}  // namespace before

// Numbers compared bit for bit: a sign of zero or a last bit that differs is a difference.
template <typename T>
bool SameBits(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string Describe(const TrackRecord& e) {
    return QStringLiteral("[%1|%2|%3|%4|%5|%6|%7|%8]")
        .arg(e.Time, e.NS, QString::number(e.Lon, 'g', 17), e.EW, QString::number(e.Lat, 'g', 17), e.Status,
             QString::number(e.Speed, 'g', 9), QString::number(e.Heading, 'g', 9))
        .toStdString();
}

bool Same(const TrackRecord& a, const TrackRecord& b) {
    return a.Time == b.Time && a.NS == b.NS && SameBits(a.Lon, b.Lon) && a.EW == b.EW && SameBits(a.Lat, b.Lat) &&
           a.Status == b.Status && SameBits(a.Speed, b.Speed) && SameBits(a.Heading, b.Heading);
}

// What an element holds before a line: values no field converts to, so a field that is left alone shows.
const TrackRecord Prior{"prior time", "pe", 7.25, "pn", 8.5, 9.75f, 10.5f, "ps"};

// Parses each line from the same prior element with both parsers, and also as one run in which each line starts
// from what the one before left, as the query parses into its spare element. The number of lines that differ.
int Differences(const QList<QByteArray>& lines) {
    const HistoryLineParser parser;
    int differences = 0;
    TrackRecord oldRun = Prior, newRun = Prior;
    for (const QByteArray& line : lines) {
        TrackRecord oldOne = Prior, newOne = Prior;
        before::ParseHistoryLine(QString::fromUtf8(line), oldOne);
        parser.Parse(line, newOne);
        before::ParseHistoryLine(QString::fromUtf8(line), oldRun);
        parser.Parse(line, newRun);
        if (!Same(oldOne, newOne) || !Same(oldRun, newRun)) {
            if (++differences <= 10) {
                ADD_FAILURE() << "line \"" << line.toPercentEncoding(" |/:.,-").toStdString() << "\"\n  before "
                              << Describe(oldOne) << "\n  now    " << Describe(newOne);
            }
            oldRun = newRun;  // one difference should not count again on every line after it
        }
    }
    return differences;
}

struct Locale {
    QLocale::Language language;
    QLocale::Country country;
};
// "." and "," as the decimal mark; French groups digits with a narrow blank, German with ".".
const Locale Locales[] = {{QLocale::C, QLocale::AnyCountry},
                          {QLocale::English, QLocale::UnitedStates},
                          {QLocale::German, QLocale::Germany},
                          {QLocale::French, QLocale::France}};

// The records the intake logs from the RMC sentences of every receiver capture, one a second from a fixed clock,
// written under the regional settings in force.
QList<QByteArray> CaptureRecords() {
    QList<QByteArray> records;
    const QDir folder(NmeaCaptureFolder());
    QDateTime clock(QDate(2009, 2, 18), QTime(23, 59, 0));
    for (const QString& name : folder.entryList({"*.log"}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        FixRecord fix;
        for (QByteArray sentence : file.readAll().replace('\n', '\r').split('\r')) {
            const qsizetype rmc = sentence.indexOf("RMC,");
            if (rmc < 3 || sentence[rmc - 3] != '$') continue;
            // Every talker's RMC counts here: GN, GL and GA positions are real positions all the same.
            sentence = "$GPRMC" + sentence.mid(rmc + 3);
            clock = clock.addSecs(1);
            ApplyGprmc(fix, QString::fromLatin1(sentence), clock);
            records.append(HistoryLine(fix.ToTrack()).toUtf8());
        }
    }
    return records;
}

// Damage of every kind that a log can come to: bytes replaced, dropped or doubled, a line cut short, fields run
// together or split, non-ASCII and control characters.
QList<QByteArray> Damaged(const QByteArray& record) {
    // Single bytes (NUL, a lone UTF-8 lead byte, a Latin-1 no-break space among them), then whole characters: the
    // no-break space, the narrow no-break space that French digit grouping uses, and a byte order mark.
    static const QByteArray bytes("|,. \t-+eE09x:/\n\xC3\xA0\xFF\0", 19);
    QList<QByteArray> replacements{"\xC2\xA0", "\xE2\x80\xAF", "\xEF\xBB\xBF"};
    for (const char b : bytes) replacements.append(QByteArray(1, b));
    QList<QByteArray> out;
    for (qsizetype i = 0; i <= record.size(); ++i) {
        out.append(record.left(i));
        if (i == record.size()) break;
        out.append(record.left(i) + record.mid(i + 1));
        out.append(record.left(i) + record.mid(i, 1) + record.mid(i));
        for (const QByteArray& r : replacements) {
            out.append(record.left(i) + r + record.mid(i + 1));
            out.append(record.left(i) + r + record.mid(i));
        }
    }
    return out;
}

// Field texts the log never writes, put in the place of each field of a record in turn.
QList<QByteArray> OddFields(const QByteArray& record) {
    static const char* const texts[] = {
        "", " ", "12.5", " 12.5", "12.5 ", "+12.5", "-12.5", "12.", ".5", "-.5", "12,5", "-12,5", "1,234", "1.234",
        "1.234,5", "1,234.5", "1 234,5", "1\u202F234,5", "1\u00A0234", "\u00A012.5", "12.5\u00A0", "1e5", "1E+07",
        "2.5E-06", "1e400", "-1e400", "1e-400", "3.5e38", "3.4028236e38", "1e-39", "1e-46", "inf", "-inf", "Inf", "nan",
        "NaN", "-0", "0", "-0.0", "007", "0.000", "00000000000000012.5", "123456789012345678", "1234567890.123456789",
        "0.1234567890123456789", "9007199254740993",
        // 17 digits, where a double of the digits divided by a power of ten would round twice
        "2121479268778.0511", "524186313.07988313", "0x1p3", "1_0", "12..5", "1.2.3", "\xD9\xA1\xD9\xA2", "١٢٫٥",
        "12\uFF0E5", "\uFEFF12.5", "N", "S", "A", "V", "\xC3\xA9", "\xFF",
        // times
        "2009/02/18 10:00:00", "2009-02-18 10:00:00", "2009/02-18 10:00:00", "2009/2/8 8:05", "2009/02/18",
        "2009/02/18 10:00", "2009/02/18 10:00:", "2009/02/18 10:00:00:00", "2009/02/18 1:2:3", "2009/02/18\t10:00",
        " 2009/02/18 10:00:00 ", "2009/02/18  10:00:00", "2009/02/18T10:00:00", "2009/02/1810:00:00",
        "2009/02/18 24:00:00", "2009/02/18 23:60:00", "2009/02/18 23:59:60", "2009/02/18 100:00", "2009/02/29",
        "2008/02/29 12:00:00", "1900/02/29", "2000/02/29", "2009/04/31", "2009/13/01", "2009/00/10", "2009/01/00",
        "0000/01/01", "0001/01/01 00:00:00", "0999/12/31 23:59:59", "9999/12/31 23:59:59", "20090/02/18", "209/02/18",
        "2009/002/18", "2009/02/018", "2009/02/18 10:00:00\n", "2009/02/18 10:00:00\x0b", "\uFEFF2009/02/18 10:00:00",
        "２００９/02/18", "2009/02/18 10:00:00\u00A0",
        // impossible dates in the written form, which is read by its fixed positions
        "2009/02/29 10:00:00", "1900/02/29 10:00:00", "2009/04/31 10:00:00", "2009/13/01 10:00:00",
        "2009/00/10 10:00:00", "0000/01/01 10:00:00", "2009/01/32 10:00:00"};
    QList<QByteArray> out;
    const QList<QByteArray> fields = record.split('|');
    for (qsizetype f = 0; f < fields.size(); ++f) {
        for (const char* text : texts) {
            QList<QByteArray> changed = fields;
            changed[f] = text;
            out.append(changed.join('|'));
        }
    }
    // Too few and too many fields.
    for (qsizetype n = 0; n <= fields.size(); ++n) out.append(QList<QByteArray>(fields.mid(0, n)).join('|'));
    out.append(record + "|extra|fields");
    out.append(record + "|");
    return out;
}

class HistoryLineParserSideBySide : public testing::TestWithParam<Locale> {};

}  // namespace

TEST_P(HistoryLineParserSideBySide, RecordsOfRealPositionsReadAsBefore) {
    const DefaultLocale locale(GetParam().language, GetParam().country);
    const QList<QByteArray> records = CaptureRecords();
    ASSERT_GT(records.size(), 900);
    EXPECT_EQ(Differences(records), 0);

    // The intake writes speed and heading with the user's mark: here both marks are read.
    const bool comma = QLocale().decimalPoint() == ",";
    EXPECT_EQ(std::count_if(records.begin(), records.end(), [](const QByteArray& r) { return r.count(',') > 0; }) > 0,
              comma);
}

TEST_P(HistoryLineParserSideBySide, DamagedRecordsReadAsBefore) {
    const DefaultLocale locale(GetParam().language, GetParam().country);
    const QList<QByteArray> records = CaptureRecords();
    // A few records of each kind: every hemisphere, void and valid fixes, empty and fractional speed and course;
    // and records of our own for what the captures lack.
    QList<QByteArray> sample;
    for (qsizetype i = 0; i < records.size(); i += std::max<qsizetype>(1, records.size() / 12)) sample.append(records[i]);
    sample.append(HistoryLine({"2009/02/18 10:00:00", "W", 0, "S", 33.86785, 0.02f, 359.99f, "V"}).toUtf8());
    sample.append(HistoryLine({"2009/02/18 10:00:00", "E", 121.5, "N", 24.1, 1234567.f, 1e-7f, "A"}).toUtf8());
    sample.append(HistoryLine({"2026/12/08 22:26:46", "E", 11.50017, "N", 48.10186, 25.3f, 270, "A"}).toUtf8());
    sample.append(HistoryLine({"2026/12/31 23:59:59", "W", 151.20731, "S", 0.00012, 0, 0, "A"}).toUtf8());
    int damaged = 0;
    for (const QByteArray& record : sample) {
        const QList<QByteArray> lines = Damaged(record) + OddFields(record);
        damaged += int(lines.size());
        EXPECT_EQ(Differences(lines), 0) << record.toStdString();
    }
    EXPECT_GT(damaged, 10000);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, HistoryLineParserSideBySide, testing::ValuesIn(Locales), [](const testing::TestParamInfo<Locale>& info) {
        return QLocale(info.param.language, info.param.country).name().replace(u'_', QString()).toStdString();
    });
