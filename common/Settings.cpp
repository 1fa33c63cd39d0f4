#include "common/Settings.h"

#include "platform/IniFile.h"

QString SettingsFilePath(const QString& programFolder) { return programFolder + "/tervane.ini"; }
QString LanguageFilePath(const QString& programFolder) { return programFolder + "/Language.ini"; }

QString ReadSetting(const QString& programFolder, const QString& section, const QString& key) {
    return IniFile::GetPrivateProfileString(section, key, SettingsFilePath(programFolder));
}

bool WriteSetting(const QString& programFolder, const QString& section, const QString& key, const QString& value) {
    return IniFile::WritePrivateProfileString(section, key, value, SettingsFilePath(programFolder));
}

QString GetLanguageText(const QString& programFolder, const QString& section, const QString& key) {
    return IniFile::GetPrivateProfileString(section, key, LanguageFilePath(programFolder));
}
