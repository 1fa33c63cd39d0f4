#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

#include "ProgramFolder.h"
#include "common/Settings.h"
#include "common/gui/FormPosition.h"
#include "platform/gui/Twips.h"

namespace {

const QRect kStart(40, 30, 300, 200);

QRect Pixels(double left, double top, double width, double height) {
    return QRect(Twips::ToPixels(left), Twips::ToPixels(top), Twips::ToPixels(width), Twips::ToPixels(height));
}

struct FormPosition : testing::Test {
    ProgramFolder folder;
    void Store(const QString& value) { WriteSetting(folder.Path(), "Position", "Track", value); }
    QString Stored() { return ReadSetting(folder.Path(), "Position", "Track"); }
    // A fresh window at kStart, restored from the stored value (if any).
    std::unique_ptr<QWidget> Restored(float defaultWidth = 0, float defaultHeight = 0) {
        auto frm = std::make_unique<QWidget>();
        frm->setGeometry(kStart);
        RestoreFormPosition(frm.get(), folder.Path(), "Position", "Track", defaultWidth, defaultHeight);
        return frm;
    }
    void Save(QWidget* frm) { SaveFormPosition(frm, folder.Path(), "Position", "Track"); }
};

}  // namespace

TEST_F(FormPosition, WithoutAStoredValueOnlyAPositiveDefaultWidthResizes) {
    EXPECT_EQ(Restored()->geometry(), kStart);
    EXPECT_EQ(Restored(6000, 4500)->geometry(), QRect(kStart.topLeft(), Pixels(0, 0, 6000, 4500).size()));
    EXPECT_FALSE(QFile::exists(folder.File("tervane.ini"))) << "restoring writes nothing";
}

TEST_F(FormPosition, StoredStateAndBoundsAreRestored) {
    Store("0,1200,900,12000,9000,");
    EXPECT_EQ(Restored()->geometry(), Pixels(1200, 900, 12000, 9000));

    Store("2,1200,900,12000,9000,");
    const auto maximized = Restored();
    EXPECT_TRUE(maximized->isMaximized());
    EXPECT_EQ(maximized->geometry(), kStart) << "stored bounds do not move a maximized window";

    Store(" 0 , 1 200 ,900.4x,12000,9000,");
    EXPECT_EQ(Restored()->geometry(), Pixels(1200, 900.4, 12000, 9000)) << "fields read by the leading-number parse";
}

TEST_F(FormPosition, BoundsThatWouldLoseTheWindowGiveItsDesignSizeCentred) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect centred(QPoint(), kStart.size());
    centred.moveCenter(screen.center());
    const auto twips = [](int pixels) { return QString::number(Twips::FromPixels(pixels)); };
    const QStringList values{
        "0,1200,900,12000,9000",  // no comma after the height: height 0
        "garbage", "0,1200,900,-12000,9000,", "0,1200,900,12000,-1,", "0,1200,900,30,20,",
        "0,-90000,-90000,12000,9000,", "0,900000,900,12000,9000,",
        // Only the bottom edge showing, the title bar above the screen.
        "0,0," + twips(screen.top() + 20 - 600) + ",12000,9000,",
        // Larger than the screen: saved on a bigger monitor, or beyond any screen (and beyond an int's pixels).
        "0,0,0," + twips(screen.width() + 1) + ",9000,", "0,0,0,12000," + twips(screen.height() + 1) + ",",
        "0,0,0,500000,500000,", "0,0,0,57600,32400,", "0,0,0,64424517632,9000," /* 2^32 + 546 pixels */};
    for (const QString& value : values) {
        Store(value);
        const auto frm = Restored();
        EXPECT_EQ(frm->size(), kStart.size()) << value.toStdString();
        EXPECT_EQ(frm->geometry().center(), centred.center()) << value.toStdString();
    }
    // Partly off the screen is where the user put it, and a window as large as the screen fits.
    Store("0,-3000,-1500,12000,9000,");
    EXPECT_EQ(Restored()->geometry(), Pixels(-3000, -1500, 12000, 9000));
    const QPoint corner = screen.bottomRight() - QPoint(39, 39);  // just the reachable 40 pixels each way on it
    Store("0," + twips(corner.x()) + "," + twips(corner.y()) + ",12000,9000,");
    EXPECT_EQ(Restored()->geometry(), QRect(corner, Pixels(0, 0, 12000, 9000).size()));
    Store("0,0,0," + twips(screen.width()) + "," + twips(screen.height()) + ",");
    EXPECT_EQ(Restored()->size(), screen.size());
}

TEST_F(FormPosition, SavedBoundsRestoreTheSameWindow) {
    Store("0,1200,900,12000,9000,");
    const auto frm = Restored();
    Store("");
    Save(frm.get());
    if (Twips::PerPixel() == 15) EXPECT_EQ(Stored(), "0,1200,900,12000,9000,");
    EXPECT_EQ(Restored()->geometry(), frm->geometry());
}

TEST_F(FormPosition, MaximizedCarriesTheLastBoundsOverAndMinimizedSavesNothing) {
    QWidget frm;
    frm.setWindowState(Qt::WindowMaximized);
    Save(&frm);
    EXPECT_TRUE(Stored().startsWith("2,")) << "no earlier value: the maximized bounds";
    EXPECT_EQ(Stored().count(','), 5);

    Store("0,1200,900,12000,9000,");
    Save(&frm);
    EXPECT_EQ(Stored(), "2,1200,900,12000,9000,");

    frm.setWindowState(Qt::WindowMinimized);
    Store("0,1,2,3,4,");
    Save(&frm);
    EXPECT_EQ(Stored(), "0,1,2,3,4,");
}

TEST(SelectAllText, SelectsTheWholeTextAndCopesWithAnEmptyBox) {
    QLineEdit box(QString::fromUtf8("台北 101"));
    box.setCursorPosition(2);
    SelectAllText(&box);
    EXPECT_EQ(box.selectedText(), box.text());

    QLineEdit empty;
    SelectAllText(&empty);
    EXPECT_FALSE(empty.hasSelectedText());
}
