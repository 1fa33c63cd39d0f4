#pragma once
#include <QString>

// The INI files the station keeps beside the program, read and written line by line as the desktop's own INI
// functions do: names match without regard to case, a missing file, section or key reads as "", a value reads
// back as at most 255 bytes and ends at its first NUL (read or written, as text passed to those functions does),
// and a write keeps every other line of the file as it was. A byte-order mark at the start is skipped, and a file
// that is not valid UTF-8 is read as Big5 and written in Big5 as long as Big5 holds what is written; a value it
// cannot hold, or a write that would leave the file valid UTF-8, turns the whole file to UTF-8, so that the file
// stays in one encoding and a write never changes how the other lines read.
namespace IniFile {

constexpr int MaxValueBytes = 255;

// The value of Key in Section, or "" when there is none. Never creates the file.
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& path);

// Stores Value under Key in Section, creating file, section and key as needed. The file is replaced in one rename
// once the new one is written whole, so a crash or a full disk leaves the old file whole. Returns false when the
// file could not be written.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& path);

}  // namespace IniFile
