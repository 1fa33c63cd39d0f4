#include "platform/IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace IniFile {
namespace {

std::function<bool()> beforeReplace;

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

bool SameName(const QByteArray& a, const QString& b) {
    return QString::fromUtf8(a).trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
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

// Cuts to at most MaxValueBytes bytes without splitting a UTF-8 character.
QByteArray CutValue(QByteArray v) {
    if (v.size() <= MaxValueBytes) return v;
    qsizetype n = MaxValueBytes;
    while (n > 0 && (static_cast<unsigned char>(v[n]) & 0xC0) == 0x80) --n;
    return v.left(n);
}

}  // namespace

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QList<Line> lines = SplitLines(file.readAll());
    bool inSection = false;
    for (const Line& line : lines) {
        QByteArray name, value;
        if (SectionName(line.text, name)) {
            inSection = SameName(name, section);
        } else if (inSection && KeyName(line.text, name, value) && SameName(name, key)) {
            // A value in matching double quotes reads without them, as the desktop's reader gives it.
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
            return QString::fromUtf8(CutValue(value));
        }
    }
    return {};
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& path) {
    QList<Line> lines;
    {
        QFile old(path);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly)) return false;
            lines = SplitLines(old.readAll());
        }
    }
    // A value holding a line break would split the entry; keep it on its one line.
    QByteArray text = value.toUtf8();
    text.replace('\r', ' ').replace('\n', ' ');
    const QByteArray entry = key.toUtf8() + "=" + text;

    qsizetype sectionLine = -1, keyLine = -1, lastInSection = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name, v;
        if (SectionName(lines[i].text, name)) {
            if (sectionLine >= 0) break;
            if (SameName(name, section)) sectionLine = lastInSection = i;
        } else if (sectionLine >= 0) {
            if (!lines[i].text.trimmed().isEmpty()) lastInSection = i;
            if (KeyName(lines[i].text, name, v) && SameName(name, key)) {
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
        lines.append(Line{"[" + section.toUtf8() + "]", "\r\n"});
        lines.append(Line{entry, "\r\n"});
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (const Line& line : lines) out.write(line.text + line.ending);
    if (beforeReplace && !beforeReplace()) {
        out.cancelWriting();
        out.commit();
        return false;
    }
    return out.commit();
}

void SetBeforeReplaceHook(std::function<bool()> hook) { beforeReplace = std::move(hook); }

}  // namespace IniFile
