#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

struct sqlite3;

// One SQLCipher database file, opened with its page key. Shared by the connection and the recordsets it hands out,
// so a recordset can tell that its connection was closed under it.
class SqlCipherDatabase {
public:
    enum Mode {
        OpenExisting,  // a missing file is an error and is never created
        CreateNew,     // the file is made (the caller checks that none is there)
    };

    // Throws StationError: missing file, a damaged file or a key that does not open it, or the engine's own message.
    SqlCipherDatabase(const QString& path, const QByteArray& key, Mode mode);
    ~SqlCipherDatabase();
    SqlCipherDatabase(const SqlCipherDatabase&) = delete;
    SqlCipherDatabase& operator=(const SqlCipherDatabase&) = delete;

    bool IsOpen() const { return db_ != nullptr; }
    sqlite3* Handle() const { return db_; }

    // Runs statements that give no rows; throws StationError with the engine's message.
    void Exec(const char* sql);

    // Closes the file. Statements still prepared on it keep the handle alive inside the engine until they are
    // finalized, but no caller may step them any more (IsOpen() is false).
    void Close();

    // The engine's message for the last failure; damage found in the file at any statement names the file.
    QString ErrorMessage() const;

private:
    // The engine's busy handler: a lock another program holds is waited for a few seconds (see LockWait).
    static int OnLocked(void* self, int count);

    QString path_;
    sqlite3* db_ = nullptr;
    QElapsedTimer lockedSince_;
};
