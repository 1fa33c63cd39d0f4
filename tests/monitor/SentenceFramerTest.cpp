#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ProgramFolder.h"
#include "monitor/SentenceFramer.h"

namespace {

const QString Rmc = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52";
const QString Gga = "$GPGGA,053740.000,2503.6319,N,12136.0098,E,1,08,1.1,63.8,M,15.2,M,,0000*64";

}  // namespace

TEST(SentenceFramer, ASentenceSplitAcrossEventsIsHandedOnOnceWhole) {
    SentenceFramer framer;
    EXPECT_TRUE(framer.Feed(Rmc.left(20)).isEmpty());
    EXPECT_EQ(framer.PendingInput(), Rmc.left(20));
    EXPECT_EQ(framer.Feed(Rmc.mid(20) + "\r\n"), QStringList{Rmc});
    EXPECT_EQ(framer.PendingInput(), "");
}

TEST(SentenceFramer, OneEventCompletesTheWaitingLineDropsOtherSentencesAndKeepsTheStartOfTheNext) {
    SentenceFramer framer;
    const QString first = "$GPRMC,053739.000,A,2503.6300,N,12136.0000,E,2.10,79.00,100106,,,A*5B";
    framer.Feed(first.left(30));
    const QStringList lines = framer.Feed(first.mid(30) + "\r\n" + Gga + "\r\n" + Rmc + "\r\n$GPGS");
    EXPECT_EQ(lines, (QStringList{first, Rmc}));
    EXPECT_EQ(framer.PendingInput(), "$GPGS");
}

TEST(SentenceFramer, OnlyLinesStartingWithExactlyGprmcAndHoldingAStarPass) {
    SentenceFramer framer;
    const QString noStar = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A";
    const QString wrongChecksum = "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*00";
    const QString lowerCase = "$gprmc,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52";
    const QString otherTalker = "$GNRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*4C";
    const QString midStream = "053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52";
    const QString leadingBlank = " " + Rmc;
    const QStringList lines = framer.Feed(midStream + "\r" + noStar + "\r" + wrongChecksum + "\r" + lowerCase + "\r" +
                                          otherTalker + "\r" + leadingBlank + "\r" + Rmc + "\r");
    EXPECT_EQ(lines, (QStringList{wrongChecksum, Rmc}));
}

TEST(SentenceFramer, LineFeedsAreDroppedWhereverTheyCome) {
    SentenceFramer framer;
    // LF-only receivers never yield a line; everything waits.
    EXPECT_TRUE(framer.Feed(Rmc + "\n" + Rmc + "\n").isEmpty());
    EXPECT_EQ(framer.PendingInput(), Rmc + Rmc);

    // CR CR LF gives an empty piece that is simply dropped; an LF inside a sentence vanishes.
    SentenceFramer other;
    EXPECT_EQ(other.Feed(Rmc + "\r\r\n" + Rmc.left(10) + "\n" + Rmc.mid(10) + "\r"), (QStringList{Rmc, Rmc}));
}

TEST(SentenceFramer, NulAndOtherBytesInsideALineAreCarriedNotChoked) {
    SentenceFramer framer;
    const QString withNul = QString("$GPRMC,000346.03,A,4808") + QChar(0) + QChar(0) + "  *1F";
    const QStringList lines = framer.Feed(withNul + "\r\n" + QString(QChar(0xff)) + "\r\n");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], withNul);
}

TEST(SentenceFramer, AStreamWithoutCarriageReturnsKeepsOnlyTheNewest64KiB) {
    SentenceFramer framer;
    QString noise;
    for (int i = 0; i < 10000; ++i) noise += QStringLiteral("%1,").arg(i, 5, 10, QChar('0'));  // 60,000 characters
    framer.Feed(noise);
    framer.Feed(noise);
    EXPECT_EQ(framer.PendingInput().size(), SentenceFramer::MaxPendingInput);
    EXPECT_EQ(framer.PendingInput(), (noise + noise).right(SentenceFramer::MaxPendingInput))
        << "the oldest characters go, the newest stay";

    // The framing is whole again as soon as a CR comes: the noise is one dropped line.
    EXPECT_EQ(framer.Feed("\r" + Rmc + "\r"), QStringList{Rmc});
    EXPECT_EQ(framer.PendingInput(), "");
}

// Real receivers' streams, as they come off the wire (the files' "#" metadata lines removed), in chunks that cut
// lines anywhere: the framing must accept exactly the $GPRMC lines that a split at CR finds in the file.
TEST(SentenceFramer, RealCapturesYieldTheirCrFramedGprmcCount) {
    const QString folder = NmeaCaptureFolder();

    struct Capture {
        const char* file;
        int expected;
    };
    // CR LF, CR CR LF, RMC-only with no other sentence, GN/GP talker runs, NULs and spliced sentences, and an
    // LF-only stream that yields nothing.
    const Capture captures[] = {{"quectel.log", 42},         {"telit-pls83-w.log", 10},
                                {"meinberg-gps164.log", 90}, {"nmea-rtk.log", 72},
                                {"bundg_zeus_9.log", 146},   {"gp-320fw-2019-04-07-coldboot.log", 16},
                                {"telit-he910.log", 0},      {"ublox-8.log", 0}};
    for (const Capture& capture : captures) {
        QFile file(folder + "/" + capture.file);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << capture.file;
        QByteArray wire;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.startsWith('#')) wire += line + '\n';
        }
        wire.chop(1);

        SentenceFramer framer;
        int accepted = 0;
        for (qsizetype at = 0, chunk = 1; at < wire.size(); at += chunk, chunk = chunk % 97 + 13) {
            for (const QString& line : framer.Feed(QString::fromLatin1(wire.mid(at, chunk)))) {
                EXPECT_TRUE(line.startsWith("$GPRMC") && line.contains('*')) << capture.file;
                EXPECT_FALSE(line.contains('\r') || line.contains('\n')) << capture.file;
                ++accepted;
            }
        }
        EXPECT_EQ(accepted, capture.expected) << capture.file;
    }
}
