#pragma once
#include <QString>
#include <memory>

#include "platform/AdoRecordset.h"

class SqlCipherDatabase;

// A value as the connection text carries it: as it is, or in double quotes (a quote inside doubled) when it holds a
// ";", blanks at its ends or a quote at its start, which the text would otherwise split or lose.
QString ConnectionTextValue(const QString& value);

// The database connection the POI class talks to, over an SQLCipher file. It understands the connection text of an
// ADO connection to a Jet database: "Data Source" names the file, read by PathOnDisk so that "\" may part its
// folders, and "Jet OLEDB:Database Password" is its key; the other keys (provider and the like) are accepted and
// ignored. Every failure is a StationError with a description.
class AdoConnection {
public:
    static constexpr int adStateClosed = 0;
    static constexpr int adStateOpen = 1;

    AdoConnection();
    ~AdoConnection();  // closes an open connection quietly
    AdoConnection(const AdoConnection&) = delete;
    AdoConnection& operator=(const AdoConnection&) = delete;

    // Opens the file the connection text names. A missing file is an error ("Could not find file" with its path)
    // and is never created; a password that does not open the file is an error.
    void Open(const QString& connectionText);

    // Runs one statement. A statement that gives rows (a select) gives its recordset, positioned on the first row;
    // any other statement runs and gives nothing (nullptr). Errors carry the engine's message.
    std::unique_ptr<AdoRecordset> Execute(const QString& statement);

    int State() const;

    // Closes the connection; closing one that is not open is an error.
    void Close();

private:
    std::shared_ptr<SqlCipherDatabase> db_;
};
