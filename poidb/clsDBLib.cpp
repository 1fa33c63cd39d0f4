#include "poidb/clsDBLib.h"

#include "common/Blanks.h"
#include "common/NumberText.h"
#include "common/QuoteSql.h"
#include "common/StationError.h"
#include "poidb/PoiDatabaseFile.h"

clsDBLib::clsDBLib() = default;

clsDBLib::~clsDBLib() {
    // Runs at program end too, where nobody could report a failure.
    try {
        recordset_.reset();
        if (connection_.State() == AdoConnection::adStateOpen) connection_.Close();
    } catch (...) {
    }
}

void clsDBLib::OpenConnection(const QString& FileName) {
    connection_.Open(
        QStringLiteral("Provider=MSDataShape.1;Persist Security Info=False;Data Provider=Microsoft.Jet.OLEDB.4.0;"
                       "Data Source=") +
        ConnectionTextValue(FileName) + QStringLiteral(";Jet OLEDB:Database Password=") +
        QLatin1String(PoiDatabasePassword));
}

void clsDBLib::InsertCoordinate(double X, double Y, const QString& Kind, const QString& Explanation) {
    Execute(QStringLiteral("INSERT INTO POI  ( X , Y , Kind , Explanation ) VALUES ") + "(" + NumberText(X) + "," +
            NumberText(Y) + "," + "'" + TrimBlanks(QuoteSql(Kind)) + "'," + "'" + TrimBlanks(QuoteSql(Explanation)) +
            "'" + ")");
}

void clsDBLib::SearchCoordinate(const QString& coodinate, bool& DataEof) {
    recordset_ =
        Execute(QStringLiteral("Select * From POI Where Explanation='") + TrimBlanks(QuoteSql(coodinate)) + "'");
    DataEof = Recordset().Eof();
    recordset_->Close();
    recordset_.reset();
}

void clsDBLib::UpdateCoordinate(int16_t SeqNo, double X, double Y, const QString& Kind, const QString& Explanation) {
    Execute(QStringLiteral("UPDATE POI Set ") + "X=" + NumberText(X) + "," + "Y=" + NumberText(Y) + "," + "Kind='" +
            TrimBlanks(QuoteSql(Kind)) + "'," + "Explanation='" + TrimBlanks(QuoteSql(Explanation)) + "'" +
            "Where Seqno=" + QString::number(SeqNo));
}

void clsDBLib::DeleteCoordinate(const QString& Explanation) {
    Execute(QStringLiteral("Delete from POI where Explanation ='") + QuoteSql(Explanation) + "'");
}

qint64 clsDBLib::CountCoordinates() {
    const std::unique_ptr<AdoRecordset> count = Execute(QStringLiteral("Select Count(*) As Total From POI"));
    return static_cast<qint64>(count->Fields(QStringLiteral("Total")).Number());
}

void clsDBLib::OpenCoordinateRecordset() { recordset_ = Execute(QStringLiteral("Select * from  POI")); }

std::optional<bool> clsDBLib::FetchCoordinateRecord(QString& SeqNo, double& X, double& Y, QString& Kind,
                                                    QString& Explanation) {
    AdoRecordset& rows = Recordset();
    if (rows.Eof()) return std::nullopt;
    // Written one by one: a conversion that fails leaves the values before it written.
    SeqNo = TrimBlanks(rows.Fields(QStringLiteral("SeqNo")).Text());
    X = rows.Fields(QStringLiteral("X")).Number();
    Y = rows.Fields(QStringLiteral("Y")).Number();
    Kind = TrimBlanks(rows.Fields(QStringLiteral("Kind")).Text());
    Explanation = TrimBlanks(rows.Fields(QStringLiteral("Explanation")).Text());
    rows.MoveNext();
    return true;
}

void clsDBLib::CloseVehicleRecordset() {
    Recordset().Close();
    recordset_.reset();
}

void clsDBLib::CloseConnection() { connection_.Close(); }

std::unique_ptr<AdoRecordset> clsDBLib::Execute(const QString& statement) {
    lastStatement_ = statement;
    return connection_.Execute(statement);
}

AdoRecordset& clsDBLib::Recordset() {
    if (!recordset_) throw StationError(QStringLiteral("Object variable or With block variable not set"));
    return *recordset_;
}

clsDBLib& DBLib() {
    static clsDBLib shared;
    return shared;
}
