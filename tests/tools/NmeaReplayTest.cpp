// The replay tool that stands in for a receiver: it links its pseudo-terminal where the station looks for a port,
// and must never take that place from the user's own receiver.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>

#include "ProgramFolder.h"

TEST(NmeaReplay, LinksOnlyAFreePortAndRemovesOnlyItsOwnLink) {
    ProgramFolder folder;
    folder.Write("drive.nmea", "$GPRMC,053740.000,A,2503.6319,N,12136.0098,E,2.69,79.65,100106,,,A*52\r\n");
    const QString link = folder.File("ports/COM1");
    const auto replay = [&] {
        auto p = std::make_unique<QProcess>();
        p->start(BinDir() + "/nmeareplay", {"--file", folder.File("drive.nmea"), "--loop", "--link", link});
        return p;
    };

    // The user's receiver link, dangling while it is unplugged, and a file of theirs: both refused and kept.
    QDir().mkpath(folder.File("ports"));
    ASSERT_TRUE(QFile::link("/dev/ttyUSB9", link));
    auto refused = replay();
    ASSERT_TRUE(refused->waitForFinished(5000));
    EXPECT_NE(refused->exitCode(), 0);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), "/dev/ttyUSB9");
    QFile::remove(link);
    folder.Write("ports/COM1", "mine");
    refused = replay();
    ASSERT_TRUE(refused->waitForFinished(5000));
    EXPECT_EQ(folder.Read("ports/COM1"), "mine");
    QFile::remove(link);

    // A free place: linked while the replay runs, gone after it.
    auto running = replay();
    for (int i = 0; i < 100 && !QFileInfo(link).isSymLink(); ++i) running->waitForFinished(50);
    EXPECT_TRUE(QFileInfo(link).symLinkTarget().startsWith("/dev/pts/"));
    ::kill(pid_t(running->processId()), SIGTERM);
    ASSERT_TRUE(running->waitForFinished(5000));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}
