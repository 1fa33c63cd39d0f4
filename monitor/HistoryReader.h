#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QFile>
#include <QString>

// Reading the monthly history log back (the writer is HistoryLog.h; its records are parsed by HistoryLineParser.h).

// The log of the day's month, "History-yyyy-mm.log" in the program folder's export folder, folder and file names
// matched without regard to case (logs copied from another system may sit in "Export"), the exact spelling first;
// "" when there is none.
QString FindHistoryFile(const QString& programFolder, const QDate& day);

// Reads a log one line at a time, never holding it whole. A line ends at a carriage return; a line feed right
// after it belongs to the same end, any other line feed is part of the line. The last line needs no end. So each
// record, ended by CR CR LF, reads as its line followed by an empty one.
class HistoryLineReader {
public:
    // False when the file cannot be opened.
    bool Open(const QString& path);
    // The next line's bytes, valid until the next call; false at the end of the file, and when reading fails,
    // which ends the read the same way.
    bool ReadLine(QByteArrayView& line);

private:
    bool Fill();

    QFile file_;
    QByteArray buffer_;
    qsizetype pos_ = 0;   // where the next line starts
    qsizetype scan_ = 0;  // how far the search for its end has come
    qsizetype end_ = 0;   // how much of the buffer holds data
    bool ended_ = false;
};
