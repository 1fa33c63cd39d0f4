#pragma once
#include <QString>
#include <optional>

// A value in quotes, as connection texts and spreadsheet files carry one that holds their separator: it runs from
// its opening quote to the matching one, and a doubled quote inside stands for one quote.

struct QuotedValue {
    QString Text;    // the value without its quotes, doubled quotes made single
    qsizetype Next;  // the index just past the closing quote
};

// The value whose opening quote is at from, when the character there is one of quotes; nothing when it is not, or
// when no quote closes it.
std::optional<QuotedValue> ReadQuoted(const QString& text, qsizetype from, QStringView quotes = u"\"");

// The value in double quotes, each double quote inside doubled.
QString InDoubleQuotes(const QString& value);
