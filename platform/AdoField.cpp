#include "platform/AdoField.h"

#include "common/NumberText.h"
#include "common/StationError.h"
#include "common/TextCodec.h"

AdoField AdoField::Integer(qint64 value) {
    AdoField field;
    field.kind_ = Kind::Integer;
    field.integer_ = value;
    return field;
}

AdoField AdoField::Real(double value) {
    AdoField field;
    field.kind_ = Kind::Real;
    field.real_ = value;
    return field;
}

AdoField AdoField::Text(QString value) {
    AdoField field;
    field.kind_ = Kind::Text;
    field.text_ = std::move(value);
    return field;
}

AdoField AdoField::Blob(QByteArray value) {
    AdoField field;
    field.kind_ = Kind::Blob;
    field.blob_ = std::move(value);
    return field;
}

QString AdoField::Text() const {
    switch (kind_) {
        case Kind::Null:
            return {};
        case Kind::Integer:
            return QString::number(integer_);
        case Kind::Real:
            return NumberText(real_);
        case Kind::Text:
            return text_;
        case Kind::Blob:
            return Utf8Value(blob_);
    }
    return {};
}

double AdoField::Number() const {
    switch (kind_) {
        case Kind::Null:
            throw StationError(QStringLiteral("Invalid use of Null"));
        case Kind::Integer:
            return static_cast<double>(integer_);
        case Kind::Real:
            return real_;
        default: {
            bool ok = false;
            const double number = Text().trimmed().toDouble(&ok);
            if (!ok) throw StationError(QStringLiteral("Type mismatch"));
            return number;
        }
    }
}
