#pragma once
#include <QByteArray>
#include <QString>

// The value of one column in the current row of a recordset. A column without value (NULL) stays apart from "".
// A plain value rather than a QVariant: a listing makes five of these per row.
class AdoField {
public:
    static AdoField Null() { return AdoField(); }
    static AdoField Integer(qint64 value);
    static AdoField Real(double value);
    static AdoField Text(QString value);
    static AdoField Blob(QByteArray value);

    bool IsNull() const { return kind_ == Kind::Null; }

    // The value as text; "" when the column holds no value.
    QString Text() const;

    // The value as a double. Throws StationError "Invalid use of Null" for no value and "Type mismatch" for text
    // that is not a number, as the run time's conversion does.
    double Number() const;

private:
    enum class Kind { Null, Integer, Real, Text, Blob };
    AdoField() = default;

    Kind kind_ = Kind::Null;
    qint64 integer_ = 0;
    double real_ = 0;
    QString text_;
    QByteArray blob_;
};
