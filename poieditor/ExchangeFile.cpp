#include "poieditor/ExchangeFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include "common/StationError.h"

QStringList SplitTextLines(const QByteArray& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = QString::fromUtf8(text).split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the end of the last line, not a line
    return lines;
}

QStringList ReadTextLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StationError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StationError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return SplitTextLines(text);
}

void WriteTextFile(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw StationError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}
