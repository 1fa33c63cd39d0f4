#include "platform/PathOnDisk.h"

#include <QFileInfo>

namespace {

QString Join(const QString& folder, QStringView name) {
    return folder.endsWith(u'/') ? folder + name.toString() : folder + u'/' + name.toString();
}

bool Exists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The reading of rest below folder (which exists) that names an existing file, or "" when none does. nearest gets
// the path as far as the first reading tried exists, the rest after it with "/" for every "\".
QString Resolve(const QString& folder, QStringView rest, QString& nearest) {
    while (rest.startsWith(u'/')) rest = rest.mid(1);
    if (rest.isEmpty()) return folder;
    qsizetype next = rest.indexOf(u'/');
    if (next < 0) next = rest.size();
    // The longest name first: "a\b" as one name before "a" holding "b".
    for (qsizetype end = next; end > 0; end = rest.lastIndexOf(u'\\', end - 1)) {
        const QString path = Join(folder, rest.left(end));
        if (!Exists(path)) continue;
        const QString found = Resolve(path, rest.mid(end + (end < rest.size() && rest.at(end) == u'\\')), nearest);
        if (!found.isEmpty()) return found;
    }
    if (rest.startsWith(u'\\')) return Resolve(folder, rest.mid(1), nearest);
    if (nearest.isEmpty()) nearest = Join(folder, rest.toString().replace(u'\\', u'/'));
    return {};
}

}  // namespace

QString PathOnDisk(const QString& written) {
    if (written.isEmpty()) return written;
    // "\" at the start is the root as "/" is, as on the Windows drive of the caller.
    const bool rooted = written.startsWith(u'/') || written.startsWith(u'\\');
    QString nearest;
    const QString found = Resolve(rooted ? QStringLiteral("/") : QStringLiteral("."), written, nearest);
    QString path = found.isEmpty() ? nearest : found;
    if (!rooted && path.startsWith(QStringLiteral("./"))) path = path.mid(2);
    return path;
}
