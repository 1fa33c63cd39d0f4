#include "common/QuoteSql.h"

QString QuoteSql(const QString& text) {
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QLatin1String("''"));
}
