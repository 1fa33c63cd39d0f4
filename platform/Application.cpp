#include "platform/Application.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
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

// The temporary folders that every user's copy shares.
QStringList SharedFolders() {
    QStringList folders{QDir::tempPath()};
    if (!folders.contains(QStringLiteral("/tmp"))) folders.append(QStringLiteral("/tmp"));
    return folders;
}

// Whether a living copy holds a lock named name (or name and a user's number) in a shared folder, or name in a
// runtime folder: this user's, or another's where this user may look (root may). Nothing is made or removed.
bool LivingCopyAnywhere(const QString& name) {
    QStringList locks;
    QStringList runtime;
    if (const QString own = qEnvironmentVariable("XDG_RUNTIME_DIR"); !own.isEmpty()) runtime.append(own);
    const auto subfolders = [&](const QString& folder, const QString& pattern) {
        for (const QString& entry : QDir(folder).entryList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot))
            runtime.append(folder + "/" + entry);
    };
    subfolders(QStringLiteral("/run/user"), QStringLiteral("*"));
    for (const QString& folder : SharedFolders()) {
        for (const QString& entry : QDir(folder).entryList({name + "*.lock"}, QDir::Files | QDir::Hidden))
            locks.append(folder + "/" + entry);
        subfolders(folder, QStringLiteral("runtime-*"));  // where the runtime folder is without XDG_RUNTIME_DIR
    }
    for (const QString& folder : runtime) locks.append(folder + "/" + name + ".lock");
    for (const QString& path : locks) {
        if (QFileInfo::exists(path) && HeldByLivingCopy(QLockFile(path))) return true;
    }
    return false;
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
    const QString name = "tervane-" + QString::fromLatin1(key.left(16));
    // A copy whose lock went elsewhere still runs: every place a lock of this folder may be is looked at first.
    if (LivingCopyAnywhere(name)) {
        previous_ = true;
        return;
    }
    // The shared temporary folder first, where every user's copy sees the lock. A lock left there by a killed copy
    // of another user, which this user may not remove, tells nothing of a running copy: this user's own name beside
    // it is taken instead. A folder that cannot hold the lock (a TMPDIR that does not exist) is passed over for the
    // next place, and the user's own runtime folder comes last.
    const QString own = name + "-" + QString::number(::geteuid());
    QStringList tried;
    const auto settled = [&](const QString& folder) {
        if (folder.isEmpty() || tried.contains(folder)) return false;
        tried.append(folder);
        for (const QString& file : {name, own}) {
            lock_ = std::make_unique<QLockFile>(folder + "/" + file + ".lock");
            lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone, however old
            held_ = lock_->tryLock(0);
            // Only a lock that a living copy holds ends the start.
            const bool taken = !held_ && lock_->error() == QLockFile::LockFailedError;
            previous_ = taken && HeldByLivingCopy(*lock_);
            if (held_ || previous_) return true;
            if (!taken) break;
        }
        return false;
    };
    // The runtime folder is made when it is asked for, so it is asked for only when needed.
    for (const QString& folder : SharedFolders()) {
        if (settled(folder)) return;
    }
    if (settled(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))) return;
    lock_.reset();  // nowhere to hold it: this copy runs unguarded rather than not at all
}

InstanceLock::~InstanceLock() {
    if (held_) lock_->unlock();
}

}  // namespace Application
