#include "monitor/HistoryReader.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "monitor/HistoryLog.h"
#include "platform/PathIgnoringCase.h"

QString FindHistoryFile(const QString& programFolder, const QDate& day) {
    const QString name = HistoryFileName(QDateTime(day, QTime(12, 0)));
    // Where "export" and "Export" both exist (logs copied in beside the station's own), either may hold the month.
    for (const QString& folder : EntriesIgnoringCase(programFolder, QStringLiteral("export"), QDir::Dirs)) {
        const QString file = FindIgnoringCase(folder, name, QDir::Files);
        if (!file.isEmpty()) return file;
    }
    return {};
}

bool HistoryLineReader::Open(const QString& path) {
    file_.close();
    file_.setFileName(path);
    pos_ = scan_ = end_ = 0;
    ended_ = false;
    // Unbuffered: the reader keeps its own buffer, and the lines are handed out from it without a copy.
    return file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool HistoryLineReader::Fill() {
    if (ended_) return false;
    constexpr qsizetype Block = 256 * 1024;
    // The unread part moves to the front; a line longer than the buffer makes it grow.
    const qsizetype kept = end_ - pos_;
    if (buffer_.size() - kept < Block) buffer_.resize(kept + Block);
    if (pos_ > 0) std::memmove(buffer_.data(), buffer_.constData() + pos_, kept);
    scan_ -= pos_;
    pos_ = 0;
    end_ = kept;
    const qint64 got = file_.read(buffer_.data() + end_, buffer_.size() - end_);
    if (got <= 0) {  // the end, or a read that failed
        ended_ = true;
        return false;
    }
    end_ += got;
    return true;
}

bool HistoryLineReader::ReadLine(QByteArrayView& line) {
    for (;;) {
        const char* data = buffer_.constData();
        const void* found = scan_ < end_ ? std::memchr(data + scan_, '\r', end_ - scan_) : nullptr;
        if (!found) {
            scan_ = end_;
            if (Fill()) continue;
            if (pos_ == end_) return false;
            line = QByteArrayView(buffer_.constData() + pos_, end_ - pos_);  // the last line, without a line end
            pos_ = scan_ = end_;
            return true;
        }
        const qsizetype cr = static_cast<const char*>(found) - data;
        // Whether a line feed follows shows only once the next block is in.
        if (cr + 1 == end_ && !ended_) {
            scan_ = cr;
            Fill();  // moves the buffer: the carriage return is found anew
            continue;
        }
        line = QByteArrayView(buffer_.constData() + pos_, cr - pos_);
        qsizetype next = cr + 1;
        if (next < end_ && buffer_[next] == '\n') ++next;
        pos_ = scan_ = next;
        return true;
    }
}
