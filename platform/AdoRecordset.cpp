#include "platform/AdoRecordset.h"

#include <sqlite3.h>

#include "common/StationError.h"
#include "common/TextCodec.h"
#include "platform/SqlCipherDatabase.h"

namespace {
const QString ClosedObject = QStringLiteral("Operation is not allowed when the object is closed.");
}

AdoRecordset::AdoRecordset(std::shared_ptr<SqlCipherDatabase> db, sqlite3_stmt* statement)
    : db_(std::move(db)), statement_(statement) {
    const int count = sqlite3_column_count(statement_);
    for (int i = 0; i < count; ++i) columns_.append(QString::fromUtf8(sqlite3_column_name(statement_, i)));
    try {
        Step();
    } catch (...) {
        sqlite3_finalize(statement_);
        throw;
    }
}

AdoRecordset::~AdoRecordset() {
    if (statement_) sqlite3_finalize(statement_);
}

bool AdoRecordset::Eof() const {
    CheckUsable();
    return eof_;
}

AdoField AdoRecordset::Fields(const QString& name) const {
    CheckUsable();
    qsizetype column = 0;
    while (column < columns_.size() && columns_.at(column).compare(name, Qt::CaseInsensitive) != 0) ++column;
    if (column == columns_.size()) {
        throw StationError(
            QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."));
    }
    if (eof_) {
        throw StationError(
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                           "Requested operation requires a current record."));
    }
    const int i = static_cast<int>(column);
    switch (sqlite3_column_type(statement_, i)) {
        case SQLITE_NULL:
            return AdoField::Null();
        case SQLITE_INTEGER:
            return AdoField::Integer(sqlite3_column_int64(statement_, i));
        case SQLITE_FLOAT:
            return AdoField::Real(sqlite3_column_double(statement_, i));
        case SQLITE_BLOB:
            return AdoField::Blob(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement_, i)),
                                             sqlite3_column_bytes(statement_, i)));
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, i));
            return AdoField::Text(Utf8Value(QByteArrayView(text, sqlite3_column_bytes(statement_, i))));
        }
    }
}

void AdoRecordset::MoveNext() {
    CheckUsable();
    if (eof_) {
        throw StationError(
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                           "Requested operation requires a current record."));
    }
    Step();
}

void AdoRecordset::Close() {
    if (!statement_) throw StationError(ClosedObject);
    sqlite3_finalize(statement_);
    statement_ = nullptr;
}

void AdoRecordset::CheckUsable() const {
    // A recordset whose connection was closed is closed with it.
    if (!statement_ || !db_->IsOpen()) throw StationError(ClosedObject);
}

void AdoRecordset::Step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        eof_ = false;
    } else if (rc == SQLITE_DONE) {
        eof_ = true;
    } else {
        throw StationError(db_->ErrorMessage());
    }
}
