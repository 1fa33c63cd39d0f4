// Draws the map icons into a carimage folder: a vehicle arrow for each of the eight headings in the folders C-rv (the
// vehicle now), C-Rv (the selected position of a trail) and POI (the other positions of a trail), files car000.gif to
// car315.gif, and a house for each POI kind, House/House1.gif to House5.gif.
//
// The marker file names GIF icons, and Qt reads GIF but cannot write it, so a small GIF89a writer is here: one
// frame, a palette of a few colours, one transparent index, LZW-compressed pixels.
//
// Usage: makeicons <carimage folder>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace {

constexpr int IconSize = 32;

// Writes codes of a growing width, least significant bit first, into the 255-byte sub-blocks of GIF image data.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : out_(out) {}
    void Write(int code, int bits) {
        buffer_ |= static_cast<uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            Byte(static_cast<char>(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    void Finish() {
        if (count_ > 0) Byte(static_cast<char>(buffer_ & 0xFF));
        if (!block_.isEmpty()) Flush();
        out_.append('\0');
    }

private:
    void Byte(char b) {
        block_.append(b);
        if (block_.size() == 255) Flush();
    }
    void Flush() {
        out_.append(static_cast<char>(block_.size()));
        out_.append(block_);
        block_.clear();
    }
    QByteArray& out_;
    QByteArray block_;
    uint32_t buffer_ = 0;
    int count_ = 0;
};

// LZW as GIF decoders expect it: the code width grows when the next free code no longer fits, and a full table
// (4096 codes) is cleared with the clear code.
void CompressPixels(const std::vector<uint8_t>& pixels, int minCodeSize, QByteArray& out) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    int bits = minCodeSize + 1;
    int nextCode = endCode + 1;
    bool cleared = false;
    std::unordered_map<uint32_t, int> table;
    CodeWriter writer(out);

    auto output = [&](int code) {
        writer.Write(code, bits);
        if (cleared) {
            bits = minCodeSize + 1;
            cleared = false;
        } else if (nextCode > (1 << bits) - 1 && bits < 12) {
            ++bits;
        }
    };

    output(clearCode);
    int prefix = pixels.front();
    for (size_t i = 1; i < pixels.size(); ++i) {
        const uint32_t key = (static_cast<uint32_t>(prefix) << 8) | pixels[i];
        if (auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        output(prefix);
        prefix = pixels[i];
        if (nextCode < 4096) {
            table.emplace(key, nextCode++);
        } else {
            table.clear();
            nextCode = endCode + 1;
            cleared = true;
            output(clearCode);
        }
    }
    output(prefix);
    output(endCode);
    writer.Finish();
}

void AppendWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

// Index 0 of the palette is the transparent colour; pixels less than half opaque take it, the others the nearest
// palette colour, so the edges that antialiasing softened fall to one side or the other.
QByteArray EncodeGif(const QImage& drawn, const QList<QColor>& palette) {
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    int tableBits = 1;
    while ((1 << tableBits) < palette.size()) ++tableBits;

    std::vector<uint8_t> pixels;
    pixels.reserve(static_cast<size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128) {
                pixels.push_back(0);
                continue;
            }
            int best = 1, bestDistance = INT32_MAX;
            for (int i = 1; i < palette.size(); ++i) {
                const int dr = qRed(p) - palette[i].red(), dg = qGreen(p) - palette[i].green();
                const int db = qBlue(p) - palette[i].blue();
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) best = i, bestDistance = distance;
            }
            pixels.push_back(static_cast<uint8_t>(best));
        }
    }

    QByteArray out("GIF89a");
    AppendWord(out, image.width());
    AppendWord(out, image.height());
    out.append(static_cast<char>(0x80 | (7 << 4) | (tableBits - 1)));  // global table, 8 bits a primary
    out.append('\0');                                                  // background: the transparent index
    out.append('\0');                                                  // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QColor c = i < palette.size() ? palette[i] : QColor(Qt::black);
        out.append(static_cast<char>(c.red()));
        out.append(static_cast<char>(c.green()));
        out.append(static_cast<char>(c.blue()));
    }
    out.append("\x21\xF9\x04\x01\x00\x00\x00\x00", 8);  // graphic control: index 0 transparent
    out.append('\x2C');
    AppendWord(out, 0);
    AppendWord(out, 0);
    AppendWord(out, image.width());
    AppendWord(out, image.height());
    out.append('\0');
    const int minCodeSize = std::max(2, tableBits);
    out.append(static_cast<char>(minCodeSize));
    CompressPixels(pixels, minCodeSize, out);
    out.append('\x3B');
    return out;
}

QImage NewCanvas() {
    QImage image(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// An arrow pointing the way the vehicle heads: north is up, the angle turns clockwise.
QImage DrawArrow(int heading, const QColor& fill, const QColor& outline, double scale) {
    QImage image = NewCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(IconSize / 2.0, IconSize / 2.0);
    painter.rotate(heading);
    painter.scale(scale, scale);
    const QPolygonF arrow({{0, -13}, {9, 11}, {0, 5}, {-9, 11}});
    painter.setPen(QPen(outline, 2.0 / scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPolygon(arrow);
    return image;
}

QImage DrawHouse(const QColor& fill, const QColor& outline) {
    QImage image = NewCanvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outline, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fill);
    painter.drawRect(QRectF(7, 15, 18, 14));
    painter.drawPolygon(QPolygonF({{3, 16}, {16, 3}, {29, 16}}));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(14, 20, 5, 9));
    return image;
}

bool Save(const QString& path, const QByteArray& gif) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size()) {
        std::fprintf(stderr, "makeicons: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

struct ArrowKind {
    const char* folder;
    QColor fill;
    QColor outline;
    double scale;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicons <carimage folder>\n");
        return 2;
    }
    const QString carimage = QString::fromLocal8Bit(argv[1]);
    const QColor white(Qt::white);

    // Both spellings of the vehicle folder are real folders: the marker file names them by case and Linux file
    // names keep it. Trail positions are drawn smaller, so the vehicle and the selected position stand out.
    const ArrowKind arrows[] = {
        {"C-rv", QColor(0xE5, 0x39, 0x35), QColor(0x7F, 0x00, 0x00), 1.0},
        {"C-Rv", QColor(0xFB, 0x8C, 0x00), QColor(0x6D, 0x36, 0x00), 1.0},
        {"POI", QColor(0x1E, 0x88, 0xE5), QColor(0x0D, 0x3C, 0x78), 0.7},
    };
    bool ok = true;
    for (const ArrowKind& kind : arrows) {
        const QString folder = carimage + u'/' + QLatin1String(kind.folder);
        QDir().mkpath(folder);
        for (int heading = 0; heading < 360; heading += 45) {
            const QImage icon = DrawArrow(heading, kind.fill, kind.outline, kind.scale);
            const QString name = QStringLiteral("/car%1.gif").arg(heading, 3, 10, QLatin1Char('0'));
            ok = Save(folder + name, EncodeGif(icon, {white, kind.fill, kind.outline})) && ok;
        }
    }

    const QColor houseOutline(0x26, 0x32, 0x38);
    const QColor houseColours[] = {QColor(0x43, 0xA0, 0x47), QColor(0x1E, 0x88, 0xE5), QColor(0xFB, 0x8C, 0x00),
                                   QColor(0x8E, 0x24, 0xAA), QColor(0x6D, 0x4C, 0x41)};
    QDir().mkpath(carimage + QStringLiteral("/House"));
    for (int kind = 1; kind <= 5; ++kind) {
        const QColor fill = houseColours[kind - 1];
        const QImage icon = DrawHouse(fill, houseOutline);
        const QString path = carimage + QStringLiteral("/House/House%1.gif").arg(kind);
        ok = Save(path, EncodeGif(icon, {QColor(0, 0, 0), fill, houseOutline, white})) && ok;
    }
    return ok ? 0 : 1;
}
