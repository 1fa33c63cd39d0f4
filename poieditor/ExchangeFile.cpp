#include "poieditor/ExchangeFile.h"

#include <QRegularExpression>

#include "common/TextCodec.h"
#include "platform/WholeFile.h"

QStringList SplitTextLines(const QByteArray& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = DecodeText(text).split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the end of the last line, not a line
    return lines;
}

QStringList ReadTextLines(const QString& path) { return SplitTextLines(ReadRegularFile(path)); }

void WriteTextFile(const QString& path, const QByteArray& text) { ReplaceFile(path, text); }
