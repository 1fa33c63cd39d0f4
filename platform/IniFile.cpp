#include "platform/IniFile.h"

#include <QList>

#include "common/StationError.h"
#include "common/TextCodec.h"
#include "platform/WholeFile.h"

namespace IniFile {
namespace {

struct Line {
    QByteArray text;     // without its line end
    QByteArray ending;   // "\r\n", "\n", "\r" or "" for a last line without one
};

QList<Line> SplitLines(const QByteArray& data) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype i = start;
        while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
        Line line{data.mid(start, i - start), {}};
        if (i < data.size()) {
            if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n') {
                line.ending = "\r\n";
                i += 2;
            } else {
                line.ending = data.mid(i, 1);
                ++i;
            }
        }
        lines.append(line);
        start = i;
    }
    return lines;
}

// The file's bytes and how its text is encoded. A missing file, or anything but a regular file, has no lines.
struct Content {
    QByteArray mark;  // a byte-order mark at the start, kept when the file is written back
    QList<Line> lines;
    bool big5 = false;
};

Content ReadContent(const QString& path) {
    Content content;
    if (KindOfFile(path) != FileKind::Regular) return content;
    const QByteArray data = ReadRegularFile(path);
    const QByteArrayView text = WithoutByteOrderMark(data);
    content.mark = data.first(data.size() - text.size());
    content.lines = SplitLines(text.toByteArray());
    content.big5 = !IsValidUtf8(text);
    return content;
}

// The lines re-encoded from Big5 to UTF-8; false, with nothing changed, when a line is not Big5 either.
bool ToUtf8(Content& content) {
    QList<Line> lines = content.lines;
    for (Line& line : lines) {
        const std::optional<QByteArray> text = Big5ToUtf8(line.text);
        if (!text) return false;
        line.text = *text;
    }
    content.lines = lines;
    content.big5 = false;
    return true;
}

bool SameName(const QByteArray& a, const QString& b, bool big5) {
    return DecodePart(a, big5).trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// "[name]" gives name; anything else is no section line.
bool SectionName(const QByteArray& line, QByteArray& name) {
    QByteArray t = line.trimmed();
    if (!t.startsWith('[')) return false;
    qsizetype close = t.indexOf(']');
    name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
    return true;
}

bool KeyName(const QByteArray& line, QByteArray& name, QByteArray& value) {
    qsizetype eq = line.indexOf('=');
    if (eq < 0) return false;
    name = line.left(eq).trimmed();
    value = line.mid(eq + 1).trimmed();
    return true;
}

// The file's bytes with Key=Value stored in Section: the key's line replaced, or added at the end of its section,
// or in a section of its own at the end of the file.
QByteArray WithEntry(const Content& content, const QString& section, const QString& key, const QString& value) {
    QList<Line> lines = content.lines;
    // A value holding a line break would split the entry; keep it on its one line.
    QByteArray text = EncodeText(value, content.big5);
    text.replace('\r', ' ').replace('\n', ' ');
    const QByteArray entry = EncodeText(key, content.big5) + "=" + text;

    qsizetype sectionLine = -1, keyLine = -1, lastInSection = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name, v;
        if (SectionName(lines[i].text, name)) {
            if (sectionLine >= 0) break;
            if (SameName(name, section, content.big5)) sectionLine = lastInSection = i;
        } else if (sectionLine >= 0) {
            if (!lines[i].text.trimmed().isEmpty()) lastInSection = i;
            if (KeyName(lines[i].text, name, v) && SameName(name, key, content.big5)) {
                keyLine = i;
                break;
            }
        }
    }
    if (keyLine >= 0) {
        lines[keyLine].text = entry;
    } else if (sectionLine >= 0) {
        if (lines[lastInSection].ending.isEmpty()) lines[lastInSection].ending = "\r\n";
        lines.insert(lastInSection + 1, Line{entry, "\r\n"});
    } else {
        if (!lines.isEmpty() && lines.last().ending.isEmpty()) lines.last().ending = "\r\n";
        lines.append(Line{"[" + EncodeText(section, content.big5) + "]", "\r\n"});
        lines.append(Line{entry, "\r\n"});
    }
    QByteArray out = content.mark;
    for (const Line& line : lines) out += line.text + line.ending;
    return out;
}

}  // namespace

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& path) {
    Content content;
    try {
        content = ReadContent(path);
    } catch (const StationError&) {
        return {};  // an unreadable file reads as one without the key
    }
    bool inSection = false;
    for (const Line& line : content.lines) {
        QByteArray name, value;
        if (SectionName(line.text, name)) {
            inSection = SameName(name, section, content.big5);
        } else if (inSection && KeyName(line.text, name, value) && SameName(name, key, content.big5)) {
            // A value in matching double quotes reads without them, as the desktop's reader gives it.
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
            // The reader's buffer holds a C string: the value ends at its first NUL.
            if (const qsizetype nul = value.indexOf('\0'); nul >= 0) value.truncate(nul);
            return DecodePart(CutWhole(value, MaxValueBytes, content.big5), content.big5);
        }
    }
    return {};
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& path) {
    if (KindOfFile(path) == FileKind::Other) return false;  // replacing a FIFO or a device is not ours to do
    Content content;
    try {
        content = ReadContent(path);
    } catch (const StationError&) {
        return false;  // the file is there but unreadable: writing would lose its other lines
    }
    // The value is handed over as the desktop's INI functions take it, as text that ends at its first NUL.
    const QString text = value.left(value.indexOf(QChar(0)));
    // The file is read in one encoding, so a value that Big5 cannot hold would read back garbled from a Big5 file:
    // the whole file turns to UTF-8 first, every other line reading as it did. A file that is not Big5 throughout
    // would lose bytes that way, and is kept as it is.
    if (content.big5 && !FitsBig5(section + key + text) && !ToUtf8(content)) return false;
    QByteArray out = WithEntry(content, section, key, text);
    // Nor may the write leave a Big5 file valid UTF-8 (its only other bytes replaced), which would read as UTF-8
    // from then on and change what the other lines say.
    if (content.big5 && IsValidUtf8(out.sliced(content.mark.size()))) {
        if (!ToUtf8(content)) return false;
        out = WithEntry(content, section, key, text);
    }
    try {
        ReplaceFile(path, out);
    } catch (const StationError&) {
        return false;
    }
    return true;
}

}  // namespace IniFile
