#pragma once
#include <QString>
#include <QVariant>

// The value of one column in the current row of a recordset. A column without value (NULL) stays apart from "".
class AdoField {
public:
    AdoField() = default;  // no value
    explicit AdoField(QVariant value) : value_(std::move(value)) {}

    bool IsNull() const { return value_.isNull(); }

    // The value as text; "" when the column holds no value.
    QString Text() const;

    // The value as a double. Throws StationError "Invalid use of Null" for no value and "Type mismatch" for text
    // that is not a number, as the run time's conversion does.
    double Number() const;

private:
    QVariant value_;
};
