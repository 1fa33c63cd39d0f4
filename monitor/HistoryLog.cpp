#include "monitor/HistoryLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// The entry of folder named `name`, or one whose name differs only in letter case, or "" when there is none.
// Folders copied from another system may carry "Export" or "history-2006-01.log".
QString FindIgnoringCase(const QString& folder, const QString& name, QDir::Filters kind) {
    const QString exact = folder + "/" + name;
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries = QDir(folder).entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + "/" + entry;
    }
    return {};
}

}  // namespace

QString CoordinateText(double value) { return QString::number(value, 'f', QLocale::FloatingPointShortest); }

QString SingleText(float value) {
    if (!std::isfinite(value)) return QString::number(value);
    if (value == 0) return QStringLiteral("0");  // also -0
    // Seven significant digits, as a 32-bit float holds them; printed without the locale's help so that only the
    // decimal mark is the user's.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), std::chars_format::scientific, 6);
    const std::string text(buffer, result.ptr);
    const bool negative = text[0] == '-';
    const std::string::size_type e = text.find('e');
    std::string digits;
    for (std::string::size_type i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.') digits += text[i];
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(text.c_str() + e + 1);

    const QString mark = QLocale().decimalPoint();
    QString out = negative ? QStringLiteral("-") : QString();
    const auto n = static_cast<int>(digits.size());
    if (exponent >= 7 || exponent <= -5) {
        out += QChar(digits[0]);
        if (n > 1) out += mark + QString::fromLatin1(digits.data() + 1, n - 1);
        out += QStringLiteral("E%1%2").arg(exponent < 0 ? '-' : '+').arg(std::abs(exponent), 2, 10, QChar('0'));
    } else if (exponent < 0) {
        out += QStringLiteral("0") + mark + QString(-exponent - 1, QChar('0')) + QString::fromLatin1(digits);
    } else if (n > exponent + 1) {
        out += QString::fromLatin1(digits.data(), exponent + 1) + mark +
               QString::fromLatin1(digits.data() + exponent + 1, n - exponent - 1);
    } else {
        out += QString::fromLatin1(digits) + QString(exponent + 1 - n, QChar('0'));
    }
    return out;
}

QString HistoryLine(const TrackRecord& entry) {
    return QStringList{entry.Time,
                       entry.NS,
                       CoordinateText(entry.Lon),
                       entry.EW,
                       CoordinateText(entry.Lat),
                       entry.Status,
                       SingleText(entry.Speed),
                       SingleText(entry.Heading)}
        .join(u'|');
}

QByteArray HistoryRecord(const TrackRecord& entry) {
    // CR CR LF: the file format the history query and existing logs share, even though readers see an empty line.
    return HistoryLine(entry).toUtf8() + "\r\r\n";
}

QString HistoryFileName(const QDateTime& when) {
    return QStringLiteral("History-%1-%2.log")
        .arg(when.date().year(), 4, 10, QChar('0'))
        .arg(when.date().month(), 2, 10, QChar('0'));
}

QString EnsureExportFolder(const QString& programFolder) {
    QString folder = FindIgnoringCase(programFolder, QStringLiteral("export"), QDir::Dirs);
    if (folder.isEmpty()) folder = programFolder + QStringLiteral("/export");
    if (QFileInfo(folder).isDir()) return folder;
    if (!QDir().mkpath(folder)) {
        throw HistoryLogError(QStringLiteral("Path not found: cannot create the folder %1").arg(folder));
    }
    return folder;
}

void AppendHistoryRecord(const QString& programFolder, const TrackRecord& entry, const Clock& clock) {
    const QByteArray record = HistoryRecord(entry);
    const QString folder = EnsureExportFolder(programFolder);
    const QString name = HistoryFileName(clock());
    QString path = FindIgnoringCase(folder, name, QDir::Files);
    if (path.isEmpty()) path = folder + "/" + name;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        throw HistoryLogError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    const qint64 before = file.size();
    if (file.write(record) != record.size() || !file.flush()) {
        const QString reason = file.errorString();
        // Take back a partial record, or the next one would be glued to its remains.
        file.resize(before);
        throw HistoryLogError(QStringLiteral("Cannot write %1: %2").arg(path, reason));
    }
    file.close();
}
