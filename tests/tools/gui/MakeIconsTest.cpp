// The map icons the build draws into the program folder: GIFs that decode, with transparency, turned the way the
// vehicle heads, one colour per kind.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QTransform>

#include "ProgramFolder.h"

namespace {

QImage Icon(const QString& relative) {
    QImage image(StationDir() + "/carimage/" + relative, "GIF");
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Pixels whose opacity or colour differ.
int Difference(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if ((qAlpha(p) == 0) != (qAlpha(q) == 0) || (qAlpha(p) != 0 && p != q)) ++count;
        }
    }
    return count;
}

QRgb CentreColour(const QImage& image) { return image.pixel(image.width() / 2, image.height() / 2 + 2); }

}  // namespace

TEST(MapIcons, EveryIconTheMarkerFileNamesDecodesWithATransparentBackground) {
    // Both spellings of the vehicle folder are folders of their own: Linux file names keep their case.
    for (const char* folder : {"C-rv", "C-Rv", "POI"}) {
        const QFileInfo info(StationDir() + "/carimage/" + folder);
        EXPECT_TRUE(info.isDir() && !info.isSymLink()) << folder;
        for (int heading = 0; heading < 360; heading += 45) {
            const QString name = QString("%1/car%2.gif").arg(folder).arg(heading, 3, 10, QChar('0'));
            const QImage image = Icon(name);
            ASSERT_FALSE(image.isNull()) << name.toStdString();
            EXPECT_EQ(image.size(), QSize(32, 32));
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name.toStdString();
            EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0) << name.toStdString();
            EXPECT_EQ(qAlpha(image.pixel(16, 16)), 255) << name.toStdString();
        }
    }
    for (int kind = 1; kind <= 5; ++kind) {
        const QImage image = Icon(QString("House/House%1.gif").arg(kind));
        ASSERT_FALSE(image.isNull()) << kind;
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(10, 24)), 255);
    }
}

TEST(MapIcons, ArrowsTurnClockwiseWithTheHeading) {
    const QImage north = Icon("C-rv/car000.gif");
    for (int heading : {90, 180, 270}) {
        const QImage turned = north.transformed(QTransform().rotate(heading));
        const QImage drawn = Icon(QString("C-rv/car%1.gif").arg(heading, 3, 10, QChar('0')));
        // Drawn and turned rasters may differ at a few edge pixels, a wrong turn in hundreds.
        EXPECT_LT(Difference(turned, drawn), 20) << heading;
        EXPECT_GT(Difference(north, drawn), 100) << heading;
    }
    // North points up: the top half holds the tip, the bottom half the wide tail.
    int top = 0, bottom = 0;
    for (int x = 0; x < 32; ++x) {
        top += qAlpha(north.pixel(x, 6)) != 0;
        bottom += qAlpha(north.pixel(x, 25)) != 0;
    }
    EXPECT_LT(top, bottom);
}

TEST(MapIcons, EachKindHasItsOwnColour) {
    const QRgb vehicle = CentreColour(Icon("C-rv/car000.gif"));
    const QRgb selected = CentreColour(Icon("C-Rv/car000.gif"));
    const QRgb trail = CentreColour(Icon("POI/car000.gif"));
    EXPECT_NE(vehicle, selected);
    EXPECT_NE(vehicle, trail);
    EXPECT_NE(selected, trail);
    QSet<QRgb> houses;
    for (int kind = 1; kind <= 5; ++kind) houses.insert(Icon(QString("House/House%1.gif").arg(kind)).pixel(10, 24));
    EXPECT_EQ(houses.size(), 5);
}
