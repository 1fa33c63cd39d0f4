#include "PoiTableFill.h"

#include "platform/AdoConnection.h"
#include "poidb/PoiDatabaseFile.h"

void FillPoiTable(const QString& databasePath, int n) {
    AdoConnection cnn;
    cnn.Open("Data Source=" + databasePath + ";Jet OLEDB:Database Password=" + PoiDatabasePassword);
    cnn.Execute("BEGIN");
    for (int i = 0; i < n; ++i) {
        cnn.Execute(QString("INSERT INTO POI (X, Y, Kind, Explanation) VALUES (%1, %2, '%3', 'POI number %4')")
                        .arg(120 + i * 1e-5, 0, 'f', 6)
                        .arg(24 + i * 1e-5, 0, 'f', 6)
                        .arg(i % 5 + 1)
                        .arg(i));
    }
    cnn.Execute("COMMIT");
    cnn.Close();
}
