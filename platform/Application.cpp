#include "platform/Application.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

namespace Application {
namespace {
QString title;

// The lock names the process that holds it. A process of another user counts as living too: signalling it is
// refused, not unknown. A lock that cannot be read, or whose process is gone but which could not be removed, is
// held by no one.
bool HeldByLivingCopy(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app) || pid <= 0) return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) return true;  // cannot tell: take it as running
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}
}  // namespace

QString Path() { return QCoreApplication::applicationDirPath(); }

QString Title() { return title; }
void SetTitle(const QString& t) {
    title = t;
    if (QCoreApplication::instance()) QCoreApplication::setApplicationName(t);
}

QString ProgramTitle(const QString& languageText) {
    return languageText + " V" + QString::number(Major) + "." + QString::number(Minor) + "." +
           QString::number(Revision);
}

InstanceLock::InstanceLock(const QString& programFolder) {
    // Keyed by the program folder, so two installations may run side by side while one folder runs once.
    const QByteArray key =
        QCryptographicHash::hash(QDir(programFolder).canonicalPath().toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString name = "/tervane-" + QString::fromLatin1(key.left(16)) + ".lock";
    // The shared temporary folder first, where every user's copy sees the lock. A folder that cannot hold it (a
    // TMPDIR that does not exist, a lock left there by a killed copy of another user, which this user may not
    // remove) tells nothing of a running copy: the next place is tried, and the user's own runtime folder last.
    QStringList tried;
    const auto settled = [&](const QString& folder) {
        if (folder.isEmpty() || tried.contains(folder)) return false;
        tried.append(folder);
        lock_ = std::make_unique<QLockFile>(folder + name);
        lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone, however old
        held_ = lock_->tryLock(0);
        // Only a lock that a living copy holds ends the start.
        previous_ = !held_ && lock_->error() == QLockFile::LockFailedError && HeldByLivingCopy(*lock_);
        return held_ || previous_;
    };
    // The runtime folder is made when it is asked for, so it is asked for only when needed.
    if (settled(QDir::tempPath()) || settled(QStringLiteral("/tmp")) ||
        settled(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)))
        return;
    lock_.reset();  // nowhere to hold it: this copy runs unguarded rather than not at all
}

InstanceLock::~InstanceLock() {
    if (held_) lock_->unlock();
}

}  // namespace Application
