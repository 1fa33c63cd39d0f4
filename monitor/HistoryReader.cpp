#include "monitor/HistoryReader.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>
#include <optional>

#include "common/DisplayTexts.h"
#include "monitor/HistoryLog.h"

namespace {

// The entries of folder named `name` without regard to case, the exact spelling first, as the log writer picks it.
QStringList FindIgnoringCase(const QString& folder, const QString& name, QDir::Filters kind) {
    QStringList found;
    const QStringList entries = QDir(folder).entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        if (entry == name)
            found.prepend(folder + "/" + entry);
        else
            found.append(folder + "/" + entry);
    }
    return found;
}

std::optional<double> ReadCoordinate(const QString& text) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text, &ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<float> ReadSingle(const QString& text) {
    // No digit grouping in either reading: the log never writes it, and "1.234" must not become 1234.
    for (QLocale locale : {QLocale(), QLocale::c()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const float value = locale.toFloat(text, &ok);
        if (ok) return value;
    }
    return std::nullopt;
}

}  // namespace

QString FindHistoryFile(const QString& programFolder, const QDate& day) {
    const QString name = HistoryFileName(QDateTime(day, QTime(12, 0)));
    // Where "export" and "Export" both exist (logs copied in beside the station's own), either may hold the month.
    for (const QString& folder : FindIgnoringCase(programFolder, QStringLiteral("export"), QDir::Dirs)) {
        const QStringList files = FindIgnoringCase(folder, name, QDir::Files);
        if (!files.isEmpty()) return files.first();
    }
    return {};
}

bool HistoryLineReader::Open(const QString& path) {
    file_.setFileName(path);
    buffer_.clear();
    pos_ = 0;
    ended_ = false;
    return file_.open(QIODevice::ReadOnly);
}

bool HistoryLineReader::Fill() {
    if (ended_) return false;
    buffer_ = file_.read(64 * 1024);
    pos_ = 0;
    if (buffer_.isEmpty()) ended_ = true;  // the end, or a read that failed
    return !ended_;
}

bool HistoryLineReader::ReadLine(QString& line) {
    QByteArray bytes;
    for (;;) {
        if (pos_ >= buffer_.size() && !Fill()) {
            if (bytes.isEmpty()) return false;
            break;  // the last line, without a line end
        }
        const qsizetype cr = buffer_.indexOf('\r', pos_);
        if (cr < 0) {
            bytes += QByteArrayView(buffer_).sliced(pos_);
            pos_ = buffer_.size();
            continue;
        }
        bytes += QByteArrayView(buffer_).sliced(pos_, cr - pos_);
        pos_ = cr + 1;
        if (pos_ >= buffer_.size()) Fill();
        if (pos_ < buffer_.size() && buffer_[pos_] == '\n') ++pos_;
        break;
    }
    line = QString::fromUtf8(bytes);
    return true;
}

QDateTime ReadHistoryTime(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{4})([/-])(\d{1,2})\2(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return {};
    const QDate date(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    const QTime time(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt());
    if (!date.isValid() || !time.isValid()) return {};
    return QDateTime(date, time, QTimeZone::utc());
}

void ParseHistoryLine(const QString& line, TrackRecord& entry) {
    const QStringList f = line.split(u'|');
    const auto field = [&f](int n) { return n <= f.size() ? std::optional(f[n - 1]) : std::nullopt; };
    if (const auto text = field(1)) {
        if (const QDateTime time = ReadHistoryTime(*text); time.isValid()) entry.Time = FormatTimestamp(time);
    }
    if (const auto text = field(2)) entry.NS = *text;
    if (const auto text = field(3)) entry.Lon = ReadCoordinate(*text).value_or(entry.Lon);
    if (const auto text = field(4)) entry.EW = *text;
    if (const auto text = field(5)) entry.Lat = ReadCoordinate(*text).value_or(entry.Lat);
    if (const auto text = field(6)) entry.Status = *text;
    if (const auto text = field(7)) entry.Speed = ReadSingle(*text).value_or(entry.Speed);
    if (const auto text = field(8)) entry.Heading = ReadSingle(*text).value_or(entry.Heading);
}
