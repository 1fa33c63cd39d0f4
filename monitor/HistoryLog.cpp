#include "monitor/HistoryLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/PathIgnoringCase.h"
#include "platform/WholeFile.h"

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

namespace {

// The eight fields of a record in their order, and what a description calls each of them.
QStringList HistoryFields(const TrackRecord& entry) {
    return {entry.Time,
            entry.NS,
            CoordinateText(entry.Lon),
            entry.EW,
            CoordinateText(entry.Lat),
            entry.Status,
            SingleText(entry.Speed),
            SingleText(entry.Heading)};
}
const char* const FieldNames[] = {
    "time", "north/south letter", "longitude", "east/west letter", "latitude", "status", "speed", "heading"};

}  // namespace

QString HistoryLine(const TrackRecord& entry) { return HistoryFields(entry).join(u'|'); }

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
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) == 0) return folder;
    const int error = errno;
    if (QFileInfo(folder).isDir()) return folder;  // made meanwhile
    // The system's reason ("Permission denied" in a program folder the user may not write), unless only that
    // something else stands in the folder's place.
    throw HistoryLogError(QStringLiteral("Cannot create the folder %1: %2").arg(folder, qt_error_string(error)),
                          error == EEXIST ? QStringLiteral("No export folder") : qt_error_string(error));
}

void AppendHistoryRecord(const QString& programFolder, const TrackRecord& entry, const Clock& clock) {
    QByteArray record = HistoryRecord(entry);
    const QString folder = EnsureExportFolder(programFolder);
    const QString name = HistoryFileName(clock());
    QString path = FindIgnoringCase(folder, name, QDir::Files);
    if (path.isEmpty()) path = folder + "/" + name;

    // No checksum vouches for the sentence, and its texts are logged as they stand: line noise that brings the
    // field separator or a line end into one would have the record read back with its fields shifted.
    const QStringList fields = HistoryFields(entry);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        for (const QChar c : fields[i]) {
            if (c != u'|' && c != u'\r' && c != u'\n') continue;
            throw HistoryLogError(QStringLiteral("Cannot write %1: the %2 \"%3\" holds %4")
                                      .arg(path, FieldNames[i], fields[i],
                                           c == u'|' ? QStringLiteral("\"|\", the separator of the log's fields")
                                                     : QStringLiteral("a line end")),
                                  QStringLiteral("Damaged sentence"));
        }
    }

    // Written through the descriptor, unbuffered: a record goes out in one write, and one that does not go out
    // whole is cut back at once, so the file holds whole records only. Opened without waiting, so a FIFO by the
    // log's name cannot block the intake.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    // The reason alone is what a notice has room for; the path goes with it in the description.
    const auto refuse = [&](const QString& what, const QString& reason) {
        throw HistoryLogError(QStringLiteral("%1 %2: %3").arg(what, path, reason), reason);
    };
    if (fd < 0) refuse(QStringLiteral("Cannot open"), qt_error_string(errno));
    const auto fail = [&](const QString& what, const QString& reason) {
        ::close(fd);
        refuse(what, reason);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) fail(QStringLiteral("Cannot open"), qt_error_string(errno));
    if (!S_ISREG(st.st_mode)) fail(QStringLiteral("Cannot write"), QStringLiteral("Not a regular file"));
    const off_t before = st.st_size;
    // Remains of a record that an earlier failure could not take back are ended first, so this record starts a
    // line of its own instead of being glued to them.
    char last = '\n';
    if (before > 0 && ::pread(fd, &last, 1, before - 1) == 1 && last != '\n') record.prepend("\r\r\n");
    // Should even the cut of a part written fail, the next record still starts on a line of its own.
    if (const int error = AppendWhole(fd, record, before)) fail(QStringLiteral("Cannot write"), qt_error_string(error));
    ::close(fd);
}
