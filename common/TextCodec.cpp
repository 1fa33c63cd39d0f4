#include "common/TextCodec.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

bool IsBig5Lead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
}  // namespace

QByteArrayView WithoutByteOrderMark(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView(ByteOrderMark, 3)) ? bytes.sliced(3) : bytes;
}

bool IsValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeText(QByteArrayView bytes) {
    const QByteArrayView text = WithoutByteOrderMark(bytes);
    return DecodePart(text, !IsValidUtf8(text));
}

QStringList SplitTextLines(QByteArrayView bytes) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = DecodeText(bytes).split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the end of the last line, not a line
    return lines;
}

QString DecodePart(QByteArrayView bytes, bool big5) {
    if (!big5) return QString::fromUtf8(bytes);
    QStringDecoder decoder("Big5");
    if (!decoder.isValid()) return QString::fromLatin1(bytes);  // no Big5 tables: keep one character a byte
    return decoder.decode(bytes);
}

QByteArrayView CutWhole(QByteArrayView bytes, qsizetype maxBytes, bool big5) {
    if (bytes.size() <= maxBytes) return bytes;
    qsizetype n = maxBytes;
    if (big5) {
        // Big5 trail bytes look like ASCII or lead bytes, so walk the characters from the start.
        qsizetype i = 0;
        while (i < maxBytes) {
            const qsizetype width = IsBig5Lead(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
            if (i + width > maxBytes) break;
            i += width;
        }
        n = i;
    } else {
        while (n > 0 && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80) --n;
    }
    return bytes.first(n);
}

QByteArray EncodeText(const QString& text, bool big5) {
    if (big5) {
        QStringEncoder encoder("Big5");
        if (encoder.isValid()) {
            QByteArray bytes = encoder.encode(text);
            if (!encoder.hasError()) return bytes;
        }
    }
    return text.toUtf8();
}
