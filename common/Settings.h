#pragma once
#include <QString>

// The settings file tervane.ini and the language file Language.ini of the program folder. Nothing is cached: every
// call goes to the file, so a changed file takes effect at its next use.

QString ReadSetting(const QString& programFolder, const QString& section, const QString& key);
bool WriteSetting(const QString& programFolder, const QString& section, const QString& key, const QString& value);
QString GetLanguageText(const QString& programFolder, const QString& section, const QString& key);

QString SettingsFilePath(const QString& programFolder);
QString LanguageFilePath(const QString& programFolder);
