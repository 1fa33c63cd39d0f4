#pragma once
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/AdoField.h"

class SqlCipherDatabase;
struct sqlite3_stmt;

// The rows of one select statement, read forward one at a time. Made by AdoConnection::Execute, positioned on the
// first row (or at the end when there is none). Errors are StationError with the engine's or ADO's description.
class AdoRecordset {
public:
    AdoRecordset(std::shared_ptr<SqlCipherDatabase> db, sqlite3_stmt* statement);
    ~AdoRecordset();
    AdoRecordset(const AdoRecordset&) = delete;
    AdoRecordset& operator=(const AdoRecordset&) = delete;

    // True when there is no current row: past the last one, or none at all. (ADO's EOF; the C library owns that
    // name as a macro.)
    bool Eof() const;

    // The value of the named column in the current row; the name matches without regard to case.
    AdoField Fields(const QString& name) const;

    void MoveNext();
    void Close();

private:
    void CheckUsable() const;
    void Step();

    std::shared_ptr<SqlCipherDatabase> db_;
    sqlite3_stmt* statement_;
    QStringList columns_;
    bool eof_ = false;
};
