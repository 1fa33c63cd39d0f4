#include "common/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

bool IsBig5Lead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// The lines of bytes without their line ends, as SplitTextLines counts them. Neither a UTF-8 nor a Big5 character
// holds a CR or an LF byte, so the bytes are split before they are decoded.
QList<QByteArrayView> ByteLines(QByteArrayView bytes) {
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.append(bytes.sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append(bytes.sliced(start));  // a last line without its line end
    return lines;
}
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
    const QByteArrayView text = WithoutByteOrderMark(bytes);
    const bool big5 = !IsValidUtf8(text);
    QStringList lines;
    for (const QByteArrayView line : ByteLines(text)) lines.append(DecodePart(line, big5));
    return lines;
}

QStringList SplitRecordLines(QByteArrayView bytes) {
    QStringList lines;
    // Only the file's own mark goes: one at the start of a later line belongs to that record (a POI name may begin
    // with U+FEFF), and a name read back without it would not be the name stored.
    for (const QByteArrayView line : ByteLines(WithoutByteOrderMark(bytes)))
        lines.append(IsValidUtf8(line) ? Utf8Value(line) : DecodePart(line, true));
    return lines;
}

QString Utf8Value(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
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

bool FitsBig5(const QString& text) {
    QStringEncoder encoder("Big5");
    if (!encoder.isValid()) return false;
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

std::optional<QByteArray> Big5ToUtf8(QByteArrayView bytes) {
    QStringDecoder decoder("Big5", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) return std::nullopt;
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text.toUtf8();
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
