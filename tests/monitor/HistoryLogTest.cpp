#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLocale>

#include "DefaultLocale.h"
#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "monitor/GprmcIntake.h"
#include "monitor/HistoryLineParser.h"
#include "monitor/HistoryLog.h"

namespace {

const QString Example = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52";
const QDateTime At133740(QDate(2006, 1, 10), QTime(13, 37, 40));

Clock FixedClock(const QDateTime& when) {
    return [when] { return when; };
}

TrackRecord EntryFor(const QString& sentence, const QDateTime& when, FixRecord fix = {}) {
    ApplyGprmc(fix, sentence, when);
    return fix.ToTrack();
}

}  // namespace

TEST(HistoryLog, TheExampleSentenceGivesItsLineByteForByteInTheMonthFile) {
    const DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    ProgramFolder folder;
    ASSERT_FALSE(QDir(folder.File("export")).exists());
    AppendHistoryRecord(folder.Path(), EntryFor(Example, At133740), FixedClock(At133740));
    EXPECT_EQ(folder.Read("export/History-2006-01.log"),
              "2006/01/10 13:37:40|N|121.60016|E|25.06053|A|2.69|79.65\r\r\n");

    // A void fix after it: letters empty, coordinates 0, speed and heading kept. Lines are appended.
    FixRecord fix;
    ApplyGprmc(fix, Example, At133740);
    const TrackRecord voidEntry = EntryFor("$GPRMC,053741.000,V,,,,,,,100106,,,N*4F", At133740.addSecs(1), fix);
    AppendHistoryRecord(folder.Path(), voidEntry, FixedClock(At133740.addSecs(1)));
    EXPECT_EQ(folder.Read("export/History-2006-01.log"),
              "2006/01/10 13:37:40|N|121.60016|E|25.06053|A|2.69|79.65\r\r\n"
              "2006/01/10 13:37:41||0||0|V|2.69|79.65\r\r\n");
}

TEST(HistoryLog, SouthernAndWesternPositionsAreLoggedUnsignedWithTheLettersInTheirOddPlaces) {
    const DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    const TrackRecord entry = EntryFor("$GPRMC,205148.00,A,2712.6012,S,12118.3980,W,12.5,270,090605,,*1E", At133740);
    // The north/south letter stands before the longitude, the east/west letter before the latitude.
    EXPECT_EQ(HistoryLine(entry), "2006/01/10 13:37:40|S|121.30663|W|27.21002|A|12.5|270");
}

TEST(HistoryLog, ACommaLocaleWritesSpeedAndHeadingWithACommaButCoordinatesWithAPoint) {
    const DefaultLocale german(QLocale::German, QLocale::Germany);
    const TrackRecord entry =
        EntryFor("$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,1234.5,79.65,100106,,,A*52", At133740);
    EXPECT_EQ(HistoryLine(entry), "2006/01/10 13:37:40|N|121.60016|E|25.06053|A|1234,5|79,65")
        << "no digit grouping either";
}

TEST(HistoryLog, SpeedAndHeadingShowAtMostSevenSignificantDigits) {
    const DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(SingleText(0), "0");
    EXPECT_EQ(SingleText(-0.0f), "0");
    EXPECT_EQ(SingleText(2.69f), "2.69");
    EXPECT_EQ(SingleText(1.0f / 3), "0.3333333");
    EXPECT_EQ(SingleText(359.99f), "359.99");
    EXPECT_EQ(SingleText(1234567), "1234567");
    EXPECT_EQ(SingleText(0.0001f), "0.0001");
    EXPECT_EQ(SingleText(-1.5f), "-1.5");
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07") << "eight digits take the exponent";
    EXPECT_EQ(SingleText(123456789.0f), "1.234568E+08");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");

    EXPECT_EQ(CoordinateText(121.5), "121.5");
    EXPECT_EQ(CoordinateText(0), "0");
    EXPECT_EQ(CoordinateText(0.00001), "0.00001");
}

TEST(HistoryLog, TheMonthComesFromTheClockAtTheMomentOfWriting) {
    ProgramFolder folder;
    const QDateTime lastSecond(QDate(2009, 1, 31), QTime(23, 59, 59));
    const TrackRecord entry = EntryFor(Example, lastSecond);
    AppendHistoryRecord(folder.Path(), entry, FixedClock(lastSecond.addSecs(1)));
    EXPECT_FALSE(QFile::exists(folder.File("export/History-2009-01.log")));
    EXPECT_TRUE(folder.Read("export/History-2009-02.log").startsWith("2009/01/31 23:59:59|"))
        << "the time stamp stays as it was taken";
    EXPECT_EQ(HistoryFileName(QDateTime(QDate(812, 12, 1), QTime())), "History-0812-12.log");
}

TEST(HistoryLog, AnExportFolderInOtherLetterCaseIsUsedAsItIs) {
    ProgramFolder folder;
    folder.Write("Export/history-2006-01.log", "earlier\r\r\n");
    AppendHistoryRecord(folder.Path(), EntryFor(Example, At133740), FixedClock(At133740));
    EXPECT_FALSE(QDir(folder.File("export")).exists());
    EXPECT_TRUE(folder.Read("Export/history-2006-01.log").startsWith("earlier\r\r\n2006/01/10 13:37:40|"));
}

TEST(HistoryLog, AFolderThatCannotBeMadeIsReportedAndWritesNothing) {
    ProgramFolder folder;
    folder.Write("export", "a file where the folder should be");
    const TrackRecord entry = EntryFor(Example, At133740);
    // Any other failure gives the system's reason ("Permission denied"): here a program folder that is a file.
    for (const auto& [programFolder, reason] : {std::pair(folder.Path(), QString("No export folder")),
                                                std::pair(folder.File("export"), qt_error_string(ENOTDIR))}) {
        try {
            AppendHistoryRecord(programFolder, entry, FixedClock(At133740));
            ADD_FAILURE() << "expected a failure";
        } catch (const HistoryLogError& e) {
            EXPECT_TRUE(e.Description().contains(folder.File("export"))) << e.what();
            EXPECT_EQ(e.Reason(), reason);
        }
    }

    // A month file that cannot be opened (a folder in its place) is reported too.
    ProgramFolder other;
    QDir().mkpath(other.File("export/History-2006-01.log"));
    EXPECT_THROW(AppendHistoryRecord(other.Path(), entry, FixedClock(At133740)), HistoryLogError);
}

TEST(HistoryLog, OnAFullDiskARecordIsWholeOrAbsentAndTheNextStartsItsOwnLine) {
    ProgramFolder folder;
    const TrackRecord entry = EntryFor(Example, At133740);
    AppendHistoryRecord(folder.Path(), entry, FixedClock(At133740));
    const QByteArray one = folder.Read("export/History-2006-01.log");
    {
        const FileSizeLimit full(one.size() + 20);  // room for 20 bytes of the next record
        try {
            AppendHistoryRecord(folder.Path(), entry, FixedClock(At133740));
            ADD_FAILURE() << "expected a failure";
        } catch (const HistoryLogError& e) {
            // The reason apart from the path, for a notice too narrow for both.
            EXPECT_EQ(e.Reason(), qt_error_string(ENOSPC));
            EXPECT_EQ(e.Description(),
                      "Cannot write " + folder.File("export/History-2006-01.log") + ": " + qt_error_string(ENOSPC));
        }
    }
    EXPECT_EQ(folder.Read("export/History-2006-01.log"), one) << "the part that went out is cut back";

    // Remains that could not be cut back (a crash mid-write): the next record is not glued onto them.
    folder.Write("export/History-2006-01.log", one + "2006/01/10 13:3");
    AppendHistoryRecord(folder.Path(), entry, FixedClock(At133740));
    EXPECT_EQ(folder.Read("export/History-2006-01.log"), one + "2006/01/10 13:3\r\r\n" + one);
}

TEST(HistoryLog, AFifoByTheLogsNameIsRefusedWithoutWaiting) {
    ProgramFolder folder;
    QDir().mkpath(folder.File("export"));
    ASSERT_EQ(mkfifo(folder.File("export/History-2006-01.log").toLocal8Bit().constData(), 0600), 0);
    try {
        AppendHistoryRecord(folder.Path(), EntryFor(Example, At133740), FixedClock(At133740));
        ADD_FAILURE() << "expected a failure";
    } catch (const HistoryLogError& e) {
        EXPECT_EQ(e.Reason(), "Not a regular file");
    }
}

TEST(HistoryLog, ARecordThatWouldNotReadBackAsWrittenIsRefusedAndTheOthersAreLogged) {
    const DefaultLocale english(QLocale::English, QLocale::UnitedStates);
    ProgramFolder folder;
    const auto append = [&](const QString& sentence) {
        const TrackRecord entry = EntryFor(sentence, At133740);
        AppendHistoryRecord(folder.Path(), entry, FixedClock(At133740));
        return entry;
    };
    append(Example);
    // Line noise, which no checksum stops: a "|" in any field taken from the sentence, or a line end (which the
    // framing never passes on).
    const struct {
        const char* sentence;
        const char* named;
    } damaged[] = {
        {"$GPRMC,053740.000,A|x,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52", "the status \"A|x\" holds \"|\""},
        {"$GPRMC,053740.000,A,2503.6319,|N,12136.0098,E,2.69,79.65,100106,,,A*52", "north/south letter \"|N\""},
        {"$GPRMC,053740.000,A,2503.6319,N,12136.0098,E|,2.69,79.65,100106,,,A*52", "east/west letter \"E|\""},
        {"$GPRMC,053740.000,A\n,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52", "holds a line end"},
    };
    for (const auto& d : damaged) {
        try {
            append(d.sentence);
            ADD_FAILURE() << "logged: " << d.sentence;
        } catch (const HistoryLogError& e) {
            EXPECT_EQ(e.Reason(), "Damaged sentence");
            EXPECT_TRUE(e.Description().contains(d.named)) << e.what();
        }
    }
    // Other noise reads back as it was taken in: NUL, control and high bytes as the serial control gives them.
    const TrackRecord noisy =
        append(QString::fromLatin1(QByteArray("$GPRMC,1,A\0\x01\xb2,2503.6319,N\x7f,12136.0098,E,2.69,,,*", 48)));
    const QByteArray log = folder.Read("export/History-2006-01.log");
    const QByteArray first = "2006/01/10 13:37:40|N|121.60016|E|25.06053|A|2.69|79.65\r\r\n";
    ASSERT_TRUE(log.startsWith(first));
    ASSERT_EQ(log.count("\r\r\n"), 2) << "the first record and the noisy one";
    TrackRecord back;
    HistoryLineParser().Parse(log.mid(first.size()).chopped(3), back);
    EXPECT_EQ(back.Status, noisy.Status);
    EXPECT_EQ(back.NS, noisy.NS);
    EXPECT_EQ(back.Speed, 2.69f);
}
