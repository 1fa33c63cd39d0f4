// The map page may write one file only: the POI hand-back file of its program folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "FileSizeLimit.h"
#include "ProgramFolder.h"
#include "common/StationError.h"
#include "platform/HandBackFile.h"

namespace {
class HandBack : public testing::Test {
protected:
    ProgramFolder folder;
    ProgramFolder elsewhere;
};
}  // namespace

TEST_F(HandBack, AppendsSoEveryPoiMarkedBetweenTwoImportsArrives) {
    const QString path = HandBackFilePath(folder.Path());
    AppendToHandBackFile(folder.Path(), path, "Harbour,24.15,120.65\r\n");
    AppendToHandBackFile(folder.Path(), path, "Station,24.14,120.68\r\n");
    EXPECT_EQ(folder.Read("poi.txt"), "Harbour,24.15,120.65\r\nStation,24.14,120.68\r\n");
    // On a full disk the POI is reported as not saved, and no part of it is left to run into the next one.
    {
        const FileSizeLimit full(folder.Read("poi.txt").size() + 10);
        EXPECT_THROW(AppendToHandBackFile(folder.Path(), path, "Quay,24.16,120.61\r\n"), StationError);
    }
    EXPECT_EQ(folder.Read("poi.txt"), "Harbour,24.15,120.65\r\nStation,24.14,120.68\r\n");
}

TEST_F(HandBack, TheSameFileByAnotherSpellingIsAccepted) {
    const QString name = QFileInfo(folder.Path()).fileName();
    EXPECT_TRUE(IsHandBackFile(folder.Path(), folder.Path() + "/poi.txt"));
    EXPECT_TRUE(IsHandBackFile(folder.Path(), folder.Path() + "/./carimage/../poi.txt"));
    EXPECT_TRUE(IsHandBackFile(folder.Path(), folder.Path() + "/../" + name + "/poi.txt"));
    // A program folder reached through a link: the page is given the real path, and both spellings name the file.
    ASSERT_TRUE(QFile::link(folder.Path(), elsewhere.File("station")));
    EXPECT_EQ(HandBackFilePath(elsewhere.File("station")), HandBackFilePath(folder.Path()));
    EXPECT_TRUE(IsHandBackFile(elsewhere.File("station"), folder.Path() + "/poi.txt"));
    EXPECT_TRUE(IsHandBackFile(folder.Path(), elsewhere.File("station/poi.txt")));
}

TEST_F(HandBack, EveryOtherPathIsRefusedAndLeftAlone) {
    const QString others[] = {
        elsewhere.File("poi.txt"),
        folder.File("poi.txt.bak"),
        folder.File("POI.TXT"),
        folder.File("carimage/poi.txt"),
        folder.File("../poi.txt"),
        "poi.txt",
        "",
        folder.File("poi.txt/"),
        folder.File("tervane.ini"),
    };
    for (const QString& path : others) {
        EXPECT_FALSE(IsHandBackFile(folder.Path(), path)) << path.toStdString();
        EXPECT_THROW(AppendToHandBackFile(folder.Path(), path, "x,1,2\r\n"), StationError) << path.toStdString();
    }
    EXPECT_FALSE(QFile::exists(elsewhere.File("poi.txt")));
    EXPECT_FALSE(QFile::exists(folder.File("poi.txt.bak")));
}

TEST_F(HandBack, APoiFileThatLinksElsewhereIsRefused) {
    elsewhere.Write("target.txt", "keep\n");
    ASSERT_TRUE(QFile::link(elsewhere.File("target.txt"), folder.File("poi.txt")));
    EXPECT_THROW(AppendToHandBackFile(folder.Path(), folder.File("poi.txt"), "x,1,2\r\n"), StationError);
    EXPECT_EQ(elsewhere.Read("target.txt"), "keep\n");
    // A dangling link would create its target.
    QFile::remove(elsewhere.File("target.txt"));
    EXPECT_FALSE(IsHandBackFile(folder.Path(), folder.File("poi.txt")));
}

TEST_F(HandBack, AnythingButARegularFileIsRefusedWithoutWaiting) {
    // The page writes on the window thread: a FIFO must not hold it until someone reads, nor take the POI.
    const QString path = HandBackFilePath(folder.Path());
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_THROW(AppendToHandBackFile(folder.Path(), path, "x,1,2\r\n"), StationError) << "one that is read";
    ::close(reader);
    try {
        AppendToHandBackFile(folder.Path(), path, "x,1,2\r\n");  // one that nobody reads
        ADD_FAILURE();
    } catch (const StationError& e) {
        EXPECT_EQ(e.Description(), "Cannot write " + path + ": it is not a regular file") << "for the page to show";
    }
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(folder.Path()).mkdir("poi.txt"));
    EXPECT_THROW(AppendToHandBackFile(folder.Path(), path, "x,1,2\r\n"), StationError);
}

TEST_F(HandBack, RefusalSaysWhichFileIsAllowed) {
    try {
        AppendToHandBackFile(folder.Path(), "/etc/passwd", "x");
        FAIL();
    } catch (const StationError& e) {
        EXPECT_TRUE(e.Description().contains("/etc/passwd"));
        EXPECT_TRUE(e.Description().contains(HandBackFilePath(folder.Path())));
    }
}
