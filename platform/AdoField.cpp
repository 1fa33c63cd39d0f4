#include "platform/AdoField.h"

#include "common/NumberText.h"
#include "common/StationError.h"

QString AdoField::Text() const {
    if (IsNull()) return {};
    if (value_.typeId() == QMetaType::Double) return NumberText(value_.toDouble());
    return value_.toString();
}

double AdoField::Number() const {
    if (IsNull()) throw StationError(QStringLiteral("Invalid use of Null"));
    switch (value_.typeId()) {
        case QMetaType::Double:
            return value_.toDouble();
        case QMetaType::LongLong:
            return static_cast<double>(value_.toLongLong());
        default: {
            bool ok = false;
            const double number = value_.toString().trimmed().toDouble(&ok);
            if (!ok) throw StationError(QStringLiteral("Type mismatch"));
            return number;
        }
    }
}
