// Reading the history log back: line ends, field parsing and the day, time window and speed filter.
#include <gtest/gtest.h>

#include <QLocale>

#include "DefaultLocale.h"
#include "ProgramFolder.h"
#include "monitor/HistoryFilter.h"
#include "monitor/HistoryLineParser.h"
#include "monitor/HistoryLog.h"
#include "monitor/HistoryQuery.h"
#include "monitor/HistoryReader.h"

namespace {

const QDate Day(2009, 2, 18);

QByteArray Record(const QString& time, float speed, float heading = 90) {
    return HistoryRecord({time, "E", 120.6789, "N", 24.12345, speed, heading, "A"});
}

QStringList Lines(const ProgramFolder& folder, const QString& relative) {
    HistoryLineReader reader;
    if (!reader.Open(folder.File(relative))) return {"(not opened)"};
    QStringList lines;
    QByteArrayView line;
    while (reader.ReadLine(line)) lines.append(QString::fromUtf8(line));
    return lines;
}

// The times the query lists from the given lines.
QStringList Listed(const HistoryFilter& filter, const QStringList& lines) {
    SpareList<TrackRecord> list;
    HistoryQuery query(filter, list);
    for (const QString& line : lines) query.Take(line.toUtf8());
    query.Finish();
    QStringList times;
    for (const TrackRecord& e : list) times.append(e.Time);
    EXPECT_EQ(query.Count(), list.UBound());
    EXPECT_EQ(list[list.UBound()].Time, "") << "the list ends with an empty spare";
    return times;
}

HistoryFilter Filter(const QString& from, const QString& to, const QString& lowSpeed = "0",
                     const QString& highSpeed = "999") {
    return MakeHistoryFilter(Day, from.left(2), from.mid(3), to.left(2), to.mid(3), lowSpeed, highSpeed);
}

}  // namespace

TEST(HistoryQuery, LineEndsAreCarriageReturnsAndEachRecordReadsAsALineAndAnEmptyOne) {
    ProgramFolder folder;
    folder.Write("export/History-2009-02.log", Record("2009/02/18 08:30:00", 1) + "a\nb\r\nc\r\r\rlast");
    EXPECT_EQ(Lines(folder, "export/History-2009-02.log"),
              QStringList({"2009/02/18 08:30:00|N|120.6789|E|24.12345|A|1|90", "", "a\nb", "c", "", "", "last"}));

    folder.Write("Export/history-2009-03.LOG", "x\r");
    EXPECT_EQ(FindHistoryFile(folder.Path(), Day), folder.File("export/History-2009-02.log"));
    EXPECT_EQ(FindHistoryFile(folder.Path(), QDate(2009, 3, 1)), folder.File("Export/history-2009-03.LOG"))
        << "folder and file names are matched without regard to case";
    EXPECT_EQ(FindHistoryFile(folder.Path(), QDate(2009, 4, 1)), "");
}

// The lines of a whole file, split as the line rules say.
QStringList SplitLines(const QByteArray& file) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < file.size(); ++i) {
        if (file[i] != '\r') continue;
        lines.append(QString::fromUtf8(file.mid(start, i - start)));
        if (i + 1 < file.size() && file[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < file.size()) lines.append(QString::fromUtf8(file.mid(start)));
    return lines;
}

TEST(HistoryQuery, LinesReadTheSameWhereverTheReadsOfTheFileEnd) {
    ProgramFolder folder;
    // Records with line ends of every kind and a line longer than any read, ending in CR CR LF, CR CR and CR.
    QByteArray log;
    for (int i = 0; log.size() < 1200 * 1024; ++i) {
        log += Record(QStringLiteral("2009/02/18 10:%1:00").arg(i % 60, 2, 10, QChar('0')), float(i % 97));
        if (i % 7 == 0) log += QByteArray(i % 13, 'x') + "\r\n";
        if (i % 11 == 0) log += "a\nb\r";
        if (i == 3000) log += QByteArray(300 * 1024, 'y') + "\r\r\n";
    }
    for (int cut = 0; cut < 3; ++cut) {
        const QByteArray file = log.left(log.size() - cut);
        folder.Write("log", file);
        EXPECT_EQ(Lines(folder, "log"), SplitLines(file)) << "cut " << cut;
    }
    // One short unit over and over, shifted through each of its places: wherever a read ends, some file has its
    // carriage return, its line feed or its line's start there.
    for (const QByteArray unit : {QByteArray("a\r\n"), QByteArray("a\r\r\n"), QByteArray("a\n\r")}) {
        for (int shift = 0; shift < unit.size(); ++shift) {
            const QByteArray file = QByteArray(shift, 'z') + unit.repeated(600 * 1024 / unit.size());
            folder.Write("log", file);
            EXPECT_EQ(Lines(folder, "log"), SplitLines(file)) << unit.toPercentEncoding().toStdString() << shift;
        }
    }
}

TEST(HistoryQuery, TheDayTimeWindowAndSpeedRangeIncludeBothEnds) {
    const QStringList lines{"2009/02/17 23:59:59|N|1|E|1|A|5|0", "", "2009/02/18 00:00:00|N|1|E|1|A|0|0",
                            "2009/02/18 08:30:00|N|1|E|1|A|5|0", "", "2009/02/18 12:50:00|N|1|E|1|A|999|0",
                            "2009/02/18 12:50:30|N|1|E|1|A|5|0", "", "2009/02/18 23:59:59|N|1|E|1|A|1000|0",
                            "2009/02/19 00:00:00|N|1|E|1|A|5|0"};
    EXPECT_EQ(Filter("00:00", "24:00").UpperTime, "2009/02/18 24:00:00");
    EXPECT_EQ(Listed(Filter("00:00", "24:00"), lines), QStringList({"2009/02/18 00:00:00", "2009/02/18 08:30:00",
                                                                    "2009/02/18 12:50:00", "2009/02/18 12:50:30"}));
    EXPECT_EQ(Listed(Filter("08:30", "12:50"), lines), QStringList({"2009/02/18 08:30:00", "2009/02/18 12:50:00"}));
    EXPECT_TRUE(Listed(Filter("12:00", "08:00"), lines).isEmpty());
    EXPECT_EQ(Listed(Filter("00:00", "24:00", "5", " 5 .0km"), lines),
              QStringList({"2009/02/18 08:30:00", "2009/02/18 12:50:30"}));
    EXPECT_EQ(Listed(Filter("00:00", "24:00", "", "fast"), lines), QStringList({"2009/02/18 00:00:00"}))
        << "a speed box without a number gives 0";
}

TEST(HistoryQuery, AFieldThatIsMissingOrDoesNotConvertKeepsTheValueBeforeIt) {
    const HistoryLineParser parser;
    TrackRecord e;
    parser.Parse("2009/2/18 8:05|S|121.5|W|25.25|V|2.5|79.65|extra", e);
    EXPECT_EQ(e.Time, "2009/02/18 08:05:00");
    EXPECT_EQ(e.NS, "S");
    EXPECT_EQ(e.Lon, 121.5);
    EXPECT_EQ(e.EW, "W");
    EXPECT_EQ(e.Lat, 25.25);
    EXPECT_EQ(e.Status, "V");
    EXPECT_EQ(e.Speed, 2.5f);
    EXPECT_EQ(e.Heading, 79.65f);
    parser.Parse("2009/02/30 10:00:00| N |x||1,5|A|fast", e);
    EXPECT_EQ(e.Time, "2009/02/18 08:05:00") << "no such day";
    EXPECT_EQ(e.NS, " N ") << "texts are taken untrimmed";
    EXPECT_EQ(e.Lon, 121.5);
    EXPECT_EQ(e.EW, "");
    EXPECT_EQ(e.Lat, 25.25) << "coordinates are read with \".\" only";
    EXPECT_EQ(e.Speed, 2.5f);
    EXPECT_EQ(e.Heading, 79.65f) << "field 8 missing";

    // After a listed line the spare is empty: a line without a date is never listed, one without a heading is
    // listed with 0. After a line that was not listed, the spare still holds that line's fields.
    const QStringList lines{"2009/02/18 10:00:00|N|1|E|1|A|5|270", "2009/02/18 11:00:00|N|1|E|1|A|5",
                            "not a date|N|1|E|1|A|5|45", "2009/02/18 12:00:00|N|1|E|1|A|5"};
    SpareList<TrackRecord> list;
    HistoryQuery query(Filter("00:00", "24:00"), list);
    for (const QString& line : lines) query.Take(line.toUtf8());
    ASSERT_EQ(query.Count(), 3);
    EXPECT_EQ(list[1].Heading, 0.0f);
    EXPECT_EQ(list[2].Time, "2009/02/18 12:00:00");
    EXPECT_EQ(list[2].Heading, 45.0f);
}

TEST(HistoryQuery, SpeedAndHeadingAreReadWithTheDecimalMarkTheLogWasWrittenWith) {
    const HistoryLineParser parser;
    TrackRecord e;
    {
        const DefaultLocale german(QLocale::German, QLocale::Germany);
        const QByteArray written =
            HistoryLine({"2009/02/18 10:00:00", "E", 121.60016, "N", 25.06053, 1234.5f, 79.65f, "A"}).toUtf8();
        parser.Parse(written, e);
        EXPECT_EQ(e.Lon, 121.60016);
        EXPECT_EQ(e.Speed, 1234.5f);
        EXPECT_EQ(e.Heading, 79.65f);
        parser.Parse("2009/02/18 10:00:00|N|1|E|1|A|2.69|1.234", e);
        EXPECT_EQ(e.Speed, 2.69f) << "a log written with \".\" still reads";
        EXPECT_EQ(e.Heading, 1.234f) << "never as digit grouping";

        // The same log taken to a desktop with ".": its speeds still fall in their range, by both paths.
        const DefaultLocale english(QLocale::English, QLocale::UnitedStates);
        EXPECT_EQ(Listed(Filter("00:00", "24:00", "1000", "2000"), {QString::fromUtf8(written)}), QStringList({"2009/02/18 10:00:00"}));
        for (const QByteArray& line : {QByteArray("2009/02/18 10:00:00|N|1|E|1|A|-2,69|1,234"),
                                       QByteArray("2009/02/18 10:00:00|N|1|E|1|A|-2,69E+00|1,234 ")}) {
            parser.Parse(line, e);
            EXPECT_EQ(e.Speed, -2.69f) << line.constData();
            EXPECT_EQ(e.Heading, 1.234f) << "never as digit grouping";
        }
        parser.Parse("2009/02/18 10:00:00|N|1|E|1|A|1.234,5|1,234.5E+00", e);
        EXPECT_EQ(e.Speed, -2.69f) << "grouped digits read as nothing";
        EXPECT_EQ(e.Heading, 1.234f);
    }
}

TEST(HistoryQuery, AtMost32767PositionsAreListed) {
    SpareList<TrackRecord> list;
    HistoryQuery query(Filter("00:00", "24:00"), list);
    for (int i = 0; i < 32769; ++i) query.Take("2009/02/18 10:00:00|N|1|E|1|A|5|0");
    EXPECT_EQ(query.Count(), 32767);
    EXPECT_EQ(list.UBound(), 32767);
    EXPECT_TRUE(query.OwnsList());
    list.Clear();  // a connection took the list over
    EXPECT_FALSE(query.OwnsList());
    EXPECT_FALSE(query.Take("2009/02/18 10:00:00|N|1|E|1|A|5|0"));
    EXPECT_EQ(list.UBound(), 0);
}
