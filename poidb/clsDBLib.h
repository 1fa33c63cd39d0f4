#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/AdoConnection.h"

// The one way into the POI table: one operation per statement. The class handles no error itself; every failure of
// the database or of a conversion reaches the caller as a StationError. Callers keep the order: OpenConnection,
// any statements (a listing is Open, Fetch until no row, Close, with nothing in between), CloseConnection.
class clsDBLib {
public:
    clsDBLib();   // Class_Initialize: a new, unopened connection
    ~clsDBLib();  // Class_Terminate: closes the connection when it is open; never throws
    clsDBLib(const clsDBLib&) = delete;
    clsDBLib& operator=(const clsDBLib&) = delete;

    void OpenConnection(const QString& FileName);
    void InsertCoordinate(double X, double Y, const QString& Kind, const QString& Explanation);
    // DataEof: true when no row has the name, false when at least one has.
    void SearchCoordinate(const QString& coodinate, bool& DataEof);
    void UpdateCoordinate(int16_t SeqNo, double X, double Y, const QString& Kind, const QString& Explanation);
    void DeleteCoordinate(const QString& Explanation);
    // The number of rows of the table. It may run between the steps of a listing: it uses a recordset of its own.
    qint64 CountCoordinates();
    void OpenCoordinateRecordset();
    // True with the row written to the out-values; no value at the end of the rows, the out-values left alone.
    std::optional<bool> FetchCoordinateRecord(QString& SeqNo, double& X, double& Y, QString& Kind,
                                              QString& Explanation);
    // Ends the listing (the POI listing, whatever the name says).
    void CloseVehicleRecordset();
    void CloseConnection();

    // The text of the last statement given to the database, for tests and diagnosis.
    QString LastStatement() const { return lastStatement_; }

private:
    std::unique_ptr<AdoRecordset> Execute(const QString& statement);
    AdoRecordset& Recordset();

    AdoConnection connection_;
    std::unique_ptr<AdoRecordset> recordset_;
    QString lastStatement_;
};

// The station's one clsDBLib, made at its first use.
clsDBLib& DBLib();
