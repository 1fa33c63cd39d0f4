#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ProgramFolder.h"
#include "common/Settings.h"
#include "platform/IniFile.h"

TEST(Settings, MissingFileSectionKeyAndEmptyValueAllReadEmpty) {
    ProgramFolder folder;
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "");
    EXPECT_FALSE(QFile::exists(folder.File("tervane.ini"))) << "reading must not create the file";
    folder.Write("tervane.ini", "[Settings]\r\nCommPort=\r\nSetting=1\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "CommPort"), "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "Zoom"), "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "Setting"), "");
    EXPECT_EQ(ReadSetting(folder.Path(), "Settings", "Setting"), "1");
}

TEST(Settings, NamesMatchWithoutRegardToCase) {
    ProgramFolder folder;
    folder.Write("tervane.ini", "[settings]\r\ncommport = 3\r\n");
    EXPECT_EQ(ReadSetting(folder.Path(), "SETTINGS", "CommPort"), "3");
    WriteSetting(folder.Path(), "Settings", "COMMPORT", "4");
    EXPECT_EQ(folder.Read("tervane.ini"), "[settings]\r\nCOMMPORT=4\r\n");
}

TEST(Settings, LongValuesAreCutTo255BytesNeverInsideACharacter) {
    ProgramFolder folder;
    WriteSetting(folder.Path(), "Export", "FileName", QString(300, 'a'));
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "FileName"), QString(255, 'a'));
    // 254 ASCII bytes, then a two-byte character that would straddle the cut: it is left out whole.
    WriteSetting(folder.Path(), "Export", "FileName", QString(254, 'b') + QString::fromUtf8("é") + "c");
    EXPECT_EQ(ReadSetting(folder.Path(), "Export", "FileName"), QString(254, 'b'));
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
}

TEST(Settings, AWriteInterruptedBeforeTheRenameLeavesTheOldFileWhole) {
    ProgramFolder folder;
    WriteSetting(folder.Path(), "Settings", "CommPort", "3");
    const QByteArray before = folder.Read("tervane.ini");
    IniFile::SetBeforeReplaceHook([] { return false; });
    EXPECT_FALSE(WriteSetting(folder.Path(), "Settings", "CommPort", "7"));
    IniFile::SetBeforeReplaceHook({});
    EXPECT_EQ(folder.Read("tervane.ini"), before);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{"tervane.ini"}) << "no temporary file left";
}

TEST(Settings, LanguageTextComesFromTheLanguageFile) {
    ProgramFolder folder(ProgramFolder::Data);
    EXPECT_FALSE(GetLanguageText(folder.Path(), "Track", "0001").isEmpty());
    EXPECT_EQ(GetLanguageText(folder.Path(), "private", "0001"), " knots");
    QFile::remove(folder.File("Language.ini"));
    EXPECT_EQ(GetLanguageText(folder.Path(), "Track", "0001"), "");
}
