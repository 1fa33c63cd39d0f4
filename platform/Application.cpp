#include "platform/Application.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

namespace Application {
namespace {
QString title;
}

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
    lock_ = std::make_unique<QLockFile>(QDir::tempPath() + "/tervane-" + QString::fromLatin1(key.left(16)) + ".lock");
    lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone, however old
    held_ = lock_->tryLock(0);
}

InstanceLock::~InstanceLock() {
    if (held_) lock_->unlock();
}

}  // namespace Application
