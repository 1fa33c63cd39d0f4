#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <thread>

#include "FileSizeLimit.h"
#include "OrdinaryUser.h"
#include "ProgramFolder.h"
#include "common/Settings.h"
#include "platform/TerminationHold.h"

TEST(Settings, MissingFileSectionKeyAndEmptyValueAllReadEmpty) {
    ProgramFolder folder;
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "");
    EXPECT_FALSE(QFile::exists(folder.File("tervane.ini"))) << "reading must not create the file";
    folder.Write("tervane.ini", "[Settings]\r\nCommPort=\r\nSetting=1\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "Zoom"), "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "Setting"), "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "Setting"), "1");
    folder.Write("tervane.ini", "[Settings]\r\nCommPort=\"\"\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "") << "quotes around nothing";
}

TEST(Settings, NamesMatchWithoutRegardToCase) {
    ProgramFolder folder;
    folder.Write("tervane.ini", "[settings]\r\ncommport = 3\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "SETTINGS", "CommPort"), "3");
    WriteSetting(folder.Path(), "Settings", "COMMPORT", "4");
    EXPECT_EQ(folder.Read("tervane.ini"), "[settings]\r\nCOMMPORT=4\r\n");
}

TEST(Settings, LongValuesAreCutTo255BytesNeverInsideACharacterAndEndAtANul) {
    ProgramFolder folder;
    WriteSetting(folder.Path(), "Export", "FileName", QString(300, 'a'));
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "FileName"), QString(255, 'a'));
    WriteSetting(folder.Path(), "Export", "FileName", QString(256, 'c'));
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "FileName"), QString(255, 'c')) << "one byte over is cut too";
    WriteSetting(folder.Path(), "Export", "FileName", QString(255, 'd'));
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "FileName"), QString(255, 'd'));
    // 254 ASCII bytes, then a two-byte character that would straddle the cut: it is left out whole.
    WriteSetting(folder.Path(), "Export", "FileName", QString(254, 'b') + QString::fromUtf8("é") + "c");
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "FileName"), QString(254, 'b'));
    // A value ends at its first NUL, in the file and in what is written.
    constexpr char withNul[] = "[Search]\r\nVehicleNumber=Harb\0our\r\n";
    folder.Write("tervane.ini", QByteArray(withNul, sizeof withNul - 1));
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "VehicleNumber"), "Harb");
    WriteSetting(folder.Path(), "Search", "VehicleNumber", QString::fromLatin1("Quay\0side", 9));
    EXPECT_EQ(folder.Read("tervane.ini"), "[Search]\r\nVehicleNumber=Quay\r\n");
}

TEST(Settings, WritingCreatesFileSectionAndKeyAndKeepsEveryOtherLine) {
    ProgramFolder folder;
    EXPECT_TRUE(WriteSetting(folder.Path(), "Settings", "CommPort", "3"));
    EXPECT_EQ(folder.Read("tervane.ini"), "[Settings]\r\nCommPort=3\r\n");

    folder.Write("tervane.ini", "; kept as it is\n[Position]\nTrack=0,1,2,3,4,\n\n[Settings]\nCommPort=3\nZoom=15");
    WriteSetting(folder.Path(), "Settings", "Setting", "1");
    WriteSetting(folder.Path(), "Position", "Track", "2,1,2,3,4,");
    WriteSetting(folder.Path(), "Search", "VehicleNumber", "ABC");
    EXPECT_EQ(folder.Read("tervane.ini"),
              "; kept as it is\n[Position]\nTrack=2,1,2,3,4,\n\n[Settings]\nCommPort=3\nZoom=15\r\n"
              "Setting=1\r\n[Search]\r\nVehicleNumber=ABC\r\n");
    WriteSetting(folder.Path(), "Settings", "CommPort", "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "");
    // A section of its own after a last line without its line end.
    folder.Write("tervane.ini", "[Settings]\r\nZoom=15");
    WriteSetting(folder.Path(), "Export", "FileName", "day.txt");
    EXPECT_EQ(folder.Read("tervane.ini"), "[Settings]\r\nZoom=15\r\n[Export]\r\nFileName=day.txt\r\n");
    // A line break in a value would add a key of its own.
    WriteSetting(folder.Path(), "Search", "VehicleNumber", "A\r\nFileName=x\ny");
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "VehicleNumber"), "A  FileName=x y");
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "FileName"), "");
    // A new key goes at the end of its own section, even one that is not the file's last.
    folder.Write("tervane.ini", "[Position]\r\nTrack=0,1,2,3,4,\r\n[Settings]\r\nCommPort=3\r\n");
    WriteSetting(folder.Path(), "Position", "Left", "10");
    EXPECT_EQ(ReadSetting(folder.Path(), "Position", "Left"), "10");
    EXPECT_EQ(folder.Read("tervane.ini"), "[Position]\r\nTrack=0,1,2,3,4,\r\nLeft=10\r\n[Settings]\r\nCommPort=3\r\n");
}

TEST(Settings, AWriteOnAFullDiskFailsAndLeavesTheOldFileWhole) {
    ProgramFolder folder;
    WriteSetting(folder.Path(), "Settings", "CommPort", "3");
    const QByteArray before = folder.Read("tervane.ini");
    {
        const FileSizeLimit full(before.size() + 4);  // the new file would need more
        EXPECT_FALSE(WriteSetting(folder.Path(), "Export", "FileName", "/home/user/tracks/day.txt"));
    }
    EXPECT_EQ(folder.Read("tervane.ini"), before);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{"tervane.ini"}) << "no temporary file left";
    EXPECT_TRUE(WriteSetting(folder.Path(), "Export", "FileName", "/home/user/tracks/day.txt")) << "room again";
}

TEST(Settings, AFileItsUserMadeReadOnlyIsKeptAndOneInAFolderTheyMayNotAddToIsWrittenWhereItIs) {
    ProgramFolder folder;
    folder.Write("tervane.ini", "[Settings]\r\nZoom=15\r\n");
    OrdinaryUser::Own(folder.Path(), 0755);
    OrdinaryUser::Own(folder.File("tervane.ini"), 0444);
    const auto write = [&](const QString& key, const QString& value, rlim_t room) {
        const QString said = OrdinaryUser::Run([&] {
            const FileSizeLimit full(room);
            return QString(WriteSetting(folder.Path(), "Settings", key, value) ? "saved" : "refused");
        });
        return said.toStdString();
    };
    EXPECT_EQ(write("Zoom", "9", RLIM_INFINITY), "refused");
    EXPECT_FALSE(WriteSetting(folder.Path(), "Settings", "Zoom", "9")) << "nor by root, whom the system would let";
    EXPECT_EQ(folder.Read("tervane.ini"), "[Settings]\r\nZoom=15\r\n");

    OrdinaryUser::Own(folder.File("tervane.ini"), 0644);
    OrdinaryUser::Own(folder.Path(), 0555);
    EXPECT_EQ(write("Zoom", "9", RLIM_INFINITY), "saved");
    EXPECT_EQ(folder.Read("tervane.ini"), "[Settings]\r\nZoom=9\r\n");
    // Written in place, the file still stays whole on a full disk: the room is taken before a byte is written.
    EXPECT_EQ(write("CommPort", "3", 22), "refused");
    EXPECT_EQ(folder.Read("tervane.ini"), "[Settings]\r\nZoom=9\r\n");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{"tervane.ini"});
    OrdinaryUser::Own(folder.Path(), 0755);
}

TEST(Settings, AWriteLandsOnTheFileItselfKeepingItsLinksPermissionsAndOwner) {
    ProgramFolder folder, elsewhere;
    elsewhere.Write("settings.ini", "[Settings]\r\nZoom=15\r\n");
    ASSERT_TRUE(QFile::link(elsewhere.File("settings.ini"), elsewhere.File("link.ini")));
    ASSERT_TRUE(QFile::link(elsewhere.File("link.ini"), folder.File("tervane.ini")));
    ASSERT_EQ(chmod(QFile::encodeName(elsewhere.File("settings.ini")).constData(), 0600), 0);
    ASSERT_TRUE(WriteSetting(folder.Path(), "Settings", "Zoom", "9"));
    EXPECT_EQ(QFileInfo(folder.File("tervane.ini")).symLinkTarget(), elsewhere.File("link.ini")) << "links stay";
    EXPECT_EQ(QFileInfo(elsewhere.File("link.ini")).symLinkTarget(), elsewhere.File("settings.ini"));
    EXPECT_EQ(elsewhere.Read("settings.ini"), "[Settings]\r\nZoom=9\r\n");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(elsewhere.File("settings.ini")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    // A link's relative text goes on from the folder the link really is in: "../" in a linked folder.
    ASSERT_TRUE(QDir(elsewhere.Path()).mkpath("real/sub"));
    elsewhere.Write("real/settings.ini", "[Settings]\r\nZoom=15\r\n");
    ASSERT_EQ(symlink("real/sub", QFile::encodeName(elsewhere.File("alias")).constData()), 0);
    ASSERT_EQ(symlink("../settings.ini", QFile::encodeName(elsewhere.File("real/sub/link.ini")).constData()), 0);
    ASSERT_TRUE(QFile::remove(folder.File("tervane.ini")));
    ASSERT_TRUE(QFile::link(elsewhere.File("alias/link.ini"), folder.File("tervane.ini")));
    ASSERT_TRUE(WriteSetting(folder.Path(), "Settings", "Zoom", "8"));
    EXPECT_EQ(elsewhere.Read("real/settings.ini"), "[Settings]\r\nZoom=8\r\n");
    EXPECT_EQ(elsewhere.Read("settings.ini"), "[Settings]\r\nZoom=9\r\n") << "the one the link's name is beside";
    EXPECT_EQ(QFileInfo(elsewhere.File("real/sub/link.ini")).symLinkTarget(), elsewhere.File("real/settings.ini"));

    // A file of two names keeps both, and a file root writes for its user stays the user's.
    ASSERT_TRUE(QFile::remove(folder.File("tervane.ini")));
    ASSERT_EQ(link(QFile::encodeName(elsewhere.File("settings.ini")).constData(),
                   QFile::encodeName(folder.File("tervane.ini")).constData()),
              0);
    OrdinaryUser::Own(folder.File("tervane.ini"), 0640);
    ASSERT_TRUE(WriteSetting(folder.Path(), "Settings", "Zoom", "10"));
    EXPECT_EQ(elsewhere.Read("settings.ini"), "[Settings]\r\nZoom=10\r\n");
    ASSERT_TRUE(QFile::remove(elsewhere.File("settings.ini")));
    ASSERT_TRUE(WriteSetting(folder.Path(), "Settings", "Zoom", "11"));
    ASSERT_EQ(stat(QFile::encodeName(folder.File("tervane.ini")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (OrdinaryUser::Root()) EXPECT_EQ(st.st_uid, OrdinaryUser::Nobody);
    EXPECT_EQ(folder.Read("tervane.ini"), "[Settings]\r\nZoom=11\r\n");
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{"tervane.ini"});
}

TEST(Settings, AnEndRequestedDuringWritesWaitsForEachAndLeavesNoTemporaryFile) {
    ProgramFolder folder;
    for (int attempt = 0; attempt < 40; ++attempt) {
        const pid_t writer = fork();
        if (writer == 0) {
            // The station has other threads: the request must be held whichever of them the system hands it to.
            std::thread([] { pause(); }).detach();
            for (int i = 0;; ++i) WriteSetting(folder.Path(), "Settings", "Zoom", QString::number(4 + i % 15));
        }
        usleep(1000 + 100 * attempt);
        kill(writer, SIGTERM);
        int status = 0;
        waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "the request still ends the program";
    }
    EXPECT_EQ(QDir(folder.Path()).entryList({"*~"}, QDir::Files).size(), 0) << "temporary files left";
    EXPECT_NE(ReadSetting(folder.Path(), "Settings", "Zoom"), "");
    // Each of the requests is held: what the hold covers is done, and the request then ends the program.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const QByteArray marker = QFile::encodeName(folder.File(QString::number(signal)));
        const pid_t child = fork();
        if (child == 0) {
            {
                const TerminationHold hold;
                raise(signal);
                close(creat(marker.constData(), 0600));
            }
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(access(marker.constData(), F_OK), 0) << signal;
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    }
}

TEST(Settings, AByteOrderMarkIsSkippedAndKept) {
    ProgramFolder folder;
    folder.Write("tervane.ini", "\xEF\xBB\xBF[Settings]\r\nCommPort=3\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "3");
    WriteSetting(folder.Path(), "Settings", "CommPort", "4");
    EXPECT_EQ(folder.Read("tervane.ini"), "\xEF\xBB\xBF[Settings]\r\nCommPort=4\r\n");
}

TEST(Settings, AFileThatIsNotUtf8IsBig5) {
    ProgramFolder folder;
    // 地標 in Big5, then a value of 254 ASCII bytes and a Big5 character that would straddle the 255-byte cut.
    folder.Write("Language.ini", "[Track]\r\n0001=\xA6\x61\xBC\xD0\r\n0002=" + QByteArray(254, 'a') + "\xA6\x61\r\n");
    EXPECT_EQ(GetLanguageText(folder.Path(), "Track", "0001"), QString::fromUtf8("地標"));
    EXPECT_EQ(GetLanguageText(folder.Path(), "Track", "0002"), QString(254, 'a'));
    folder.Write("tervane.ini", "[Search]\r\nVehicleNumber=\xA6\x61\r\n");
    WriteSetting(folder.Path(), "Search", "VehicleNumber", QString::fromUtf8("地標"));
    EXPECT_EQ(folder.Read("tervane.ini"), "[Search]\r\nVehicleNumber=\xA6\x61\xBC\xD0\r\n") << "stays Big5";
    // A value that Big5 cannot hold turns the whole file to UTF-8, so that every value reads back as written.
    EXPECT_TRUE(WriteSetting(folder.Path(), "Export", "FileName", QString::fromUtf8("/home/josé/track.txt")));
    EXPECT_EQ(folder.Read("tervane.ini"),
              "[Search]\r\nVehicleNumber=地標\r\n[Export]\r\nFileName=/home/josé/track.txt\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "VehicleNumber"), QString::fromUtf8("地標"));
    // A file that is not Big5 throughout either would lose its bytes that way: it is kept, and the write fails.
    folder.Write("tervane.ini", "[Search]\r\nVehicleNumber=Caf\xE9\r\n");
    EXPECT_FALSE(WriteSetting(folder.Path(), "Search", "VehicleNumber", QString::fromUtf8("Café")));
    EXPECT_EQ(folder.Read("tervane.ini"), "[Search]\r\nVehicleNumber=Caf\xE9\r\n");
    // Nor does a write that replaces the only bytes UTF-8 could not read change how the other lines read.
    folder.Write("tervane.ini", "[Search]\r\nCity=\xC2\xA1\r\nName=\xA4\xA4\xA4\xE5\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "City"), QString::fromUtf8("癒"));
    EXPECT_TRUE(WriteSetting(folder.Path(), "Search", "Name", "abc"));
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "City"), QString::fromUtf8("癒"));
    EXPECT_EQ(ReadSetting(folder.Path(), "Search", "Name"), "abc");
}

TEST(Settings, AFifoOrAFolderInPlaceOfTheFileReadsEmptyWithoutWaiting) {
    ProgramFolder folder;
    ASSERT_EQ(mkfifo(folder.File("Language.ini").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(GetLanguageText(folder.Path(), "Track", "0001"), "");
    QDir(folder.Path()).mkdir("tervane.ini");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "");
    EXPECT_FALSE(WriteSetting(folder.Path(), "Settings", "CommPort", "3"));
    EXPECT_TRUE(QFileInfo(folder.File("tervane.ini")).isDir());
    // Nor is a FIFO replaced by a file of settings.
    ASSERT_TRUE(QDir(folder.Path()).rmdir("tervane.ini"));
    ASSERT_EQ(mkfifo(folder.File("tervane.ini").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(WriteSetting(folder.Path(), "Settings", "CommPort", "3"));
    EXPECT_FALSE(QFileInfo(folder.File("tervane.ini")).isFile());
}

TEST(Settings, LanguageTextComesFromTheLanguageFile) {
    ProgramFolder folder(ProgramFolder::Data);
    EXPECT_FALSE(GetLanguageText(folder.Path(), "Track", "0001").isEmpty());
    EXPECT_EQ(GetLanguageText(folder.Path(), "private", "0001"), " knots");
    QFile::remove(folder.File("Language.ini"));
    EXPECT_EQ(GetLanguageText(folder.Path(), "Track", "0001"), "");
}
