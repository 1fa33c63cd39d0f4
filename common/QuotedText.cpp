#include "common/QuotedText.h"

std::optional<QuotedValue> ReadQuoted(const QString& text, qsizetype from, QStringView quotes) {
    if (from >= text.size() || !quotes.contains(text.at(from))) return std::nullopt;
    const QChar quote = text.at(from);
    QString value;
    for (qsizetype i = from + 1; i < text.size(); ++i) {
        if (text.at(i) != quote) {
            value += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == quote) {
            value += quote;
            ++i;
        } else {
            return QuotedValue{value, i + 1};
        }
    }
    return std::nullopt;
}

QString InDoubleQuotes(const QString& value) {
    return u'"' + QString(value).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
}
