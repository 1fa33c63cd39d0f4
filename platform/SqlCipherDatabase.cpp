#include "platform/SqlCipherDatabase.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "common/StationError.h"
#include "platform/LockWait.h"

namespace {

QString Damaged(const QString& path) {
    return QStringLiteral("The database file '%1' cannot be opened: it is damaged.").arg(path);
}

}  // namespace

SqlCipherDatabase::SqlCipherDatabase(const QString& path, const QByteArray& key, Mode mode) : path_(path) {
    if (mode == OpenExisting) {
        const QFileInfo file(path);
        // The engine would quietly make an empty database for a missing name; a missing POI file must be reported.
        if (!file.exists()) throw StationError(QStringLiteral("Could not find file '%1'.").arg(path));
        // A folder or a FIFO by the file's name would only give the engine's "disk I/O error", naming nothing.
        if (!file.isFile())
            throw StationError(QStringLiteral("The database file '%1' cannot be opened: it is not a file.").arg(path));
        // The engine takes an empty file for an empty database, and the first statement would then miss its table.
        // No database was ever written as nothing at all: such a file was cut short.
        if (file.size() == 0) throw StationError(Damaged(path));
    }
    // A connection serves one thread (the window thread), so the engine's own locking per call is not needed.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (mode == CreateNew ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db_ ? ErrorMessage() : QStringLiteral("out of memory");
        Close();
        throw StationError(message);
    }
    sqlite3_busy_handler(db_, &SqlCipherDatabase::OnLocked, this);
    if (!key.isEmpty() && sqlite3_key(db_, key.constData(), static_cast<int>(key.size())) != SQLITE_OK) {
        const QString message = ErrorMessage();
        Close();
        throw StationError(message);
    }
    if (mode == CreateNew) return;
    // The key is only tried when the first page is read: read it now so a wrong password fails at opening.
    if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        const QString message = ErrorMessage();
        Close();
        throw StationError(message);
    }
    // Room for the whole table at its largest (32,767 POIs, about 1.5 MB), so a listing after the first reads its
    // pages from memory instead of decrypting them again.
    sqlite3_exec(db_, "PRAGMA cache_size = -8000", nullptr, nullptr, nullptr);
}

SqlCipherDatabase::~SqlCipherDatabase() { Close(); }

int SqlCipherDatabase::OnLocked(void* self, int count) {
    return LockWait::Retry(static_cast<SqlCipherDatabase*>(self)->lockedSince_, count) ? 1 : 0;
}

void SqlCipherDatabase::Exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        sqlite3_free(error);
        const QString message = ErrorMessage();
        throw StationError(message);
    }
}

void SqlCipherDatabase::Close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

QString SqlCipherDatabase::ErrorMessage() const {
    // Damage may show only when a statement reaches a page past the first (a file cut short); whenever it shows,
    // the user is told which file it is rather than the engine's word for it.
    switch (sqlite3_errcode(db_) & 0xff) {
        case SQLITE_CORRUPT:
            return Damaged(path_);
        case SQLITE_NOTADB:
            // An encrypted file tells a wrong key from damage no better than that the first page does not decrypt.
            return QStringLiteral("The database file '%1' cannot be opened: it is damaged, or the password is wrong.")
                .arg(path_);
        default:
            return QString::fromUtf8(sqlite3_errmsg(db_));
    }
}
