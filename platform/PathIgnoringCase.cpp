#include "platform/PathIgnoringCase.h"

#include <QFileInfo>

namespace {
bool IsOfKind(const QFileInfo& info, QDir::Filters kind) {
    return ((kind & QDir::Dirs) && info.isDir()) || ((kind & QDir::Files) && info.isFile());
}
}  // namespace

QStringList EntriesIgnoringCase(const QString& folder, const QString& name, QDir::Filters kind) {
    QStringList found;
    const QFileInfo exact(folder + "/" + name);
    if (IsOfKind(exact, kind)) found.append(exact.filePath());
    const QStringList entries = QDir(folder).entryList(kind | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0) found.append(folder + "/" + entry);
    }
    return found;
}

QString FindIgnoringCase(const QString& folder, const QString& name, QDir::Filters kind) {
    const QFileInfo exact(folder + "/" + name);
    if (IsOfKind(exact, kind)) return exact.filePath();
    const QStringList found = EntriesIgnoringCase(folder, name, kind);
    return found.isEmpty() ? QString() : found.first();
}

QString PathIgnoringCase(const QString& folder, const QString& relative) {
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    QString path = folder;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        path = FindIgnoringCase(path, parts[i], last ? QDir::Files : QDir::Dirs);
        if (path.isEmpty()) return folder + "/" + relative;
    }
    return path;
}
