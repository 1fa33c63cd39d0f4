#include "platform/AdoConnection.h"

#include <sqlite3.h>

#include <QHash>

#include "common/StationError.h"
#include "platform/SqlCipherDatabase.h"

namespace {

const QString ClosedObject = QStringLiteral("Operation is not allowed when the object is closed.");

// "Key=Value;Key=Value" with keys matched without regard to case; blanks around keys and values do not count.
QHash<QString, QString> ParseConnectionText(const QString& text) {
    QHash<QString, QString> values;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0) continue;
        values.insert(part.left(equals).trimmed().toLower(), part.mid(equals + 1).trimmed());
    }
    return values;
}

}  // namespace

AdoConnection::AdoConnection() = default;

AdoConnection::~AdoConnection() = default;

void AdoConnection::Open(const QString& connectionText) {
    if (State() == adStateOpen) throw StationError(QStringLiteral("Operation is not allowed when the object is open."));
    const QHash<QString, QString> values = ParseConnectionText(connectionText);
    // Callers build the path the Windows way ("\database\POI.mdb"); here the folder separator is "/".
    QString path = values.value(QStringLiteral("data source"));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty()) throw StationError(QStringLiteral("Could not find file ''."));
    const QByteArray key = values.value(QStringLiteral("jet oledb:database password")).toUtf8();
    db_ = std::make_shared<SqlCipherDatabase>(path, key, SqlCipherDatabase::OpenExisting);
}

std::unique_ptr<AdoRecordset> AdoConnection::Execute(const QString& statement) {
    if (State() != adStateOpen) throw StationError(ClosedObject);
    const QByteArray sql = statement.toUtf8();
    sqlite3_stmt* prepared = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_->Handle(), sql.constData(), static_cast<int>(sql.size()), &prepared, &tail) !=
        SQLITE_OK) {
        throw StationError(db_->ErrorMessage());
    }
    // One statement per call: text after the first statement is refused rather than silently dropped or run.
    if (!QByteArray(tail).trimmed().isEmpty()) {
        sqlite3_finalize(prepared);
        throw StationError(QStringLiteral("Characters found after end of SQL statement."));
    }
    if (!prepared) throw StationError(QStringLiteral("Command text was not set for the command object."));
    if (sqlite3_column_count(prepared) > 0) return std::make_unique<AdoRecordset>(db_, prepared);

    const int rc = sqlite3_step(prepared);
    const bool failed = rc != SQLITE_DONE && rc != SQLITE_ROW;
    const QString message = failed ? db_->ErrorMessage() : QString();
    sqlite3_finalize(prepared);
    if (failed) throw StationError(message);
    return nullptr;
}

int AdoConnection::State() const { return db_ && db_->IsOpen() ? adStateOpen : adStateClosed; }

void AdoConnection::Close() {
    if (State() != adStateOpen) throw StationError(ClosedObject);
    db_->Close();
    db_.reset();
}
