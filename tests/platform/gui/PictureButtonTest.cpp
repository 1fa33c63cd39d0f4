#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/gui/PictureButton.h"

namespace {
// The bands of rows in which the caption's letters (near-black pixels) lie, top to bottom, and how far left and
// right the letters reach.
struct Letters {
    QList<QPair<int, int>> lines;
    int left = 1 << 20, right = -1;
};

Letters LettersOf(PictureButton& button) {
    const QImage shot = button.grab().toImage();
    Letters found;
    bool inLine = false;
    for (int y = 0; y < shot.height(); ++y) {
        bool dark = false;
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, y).lightness() >= 80) continue;
            dark = true;
            found.left = std::min(found.left, x);
            found.right = std::max(found.right, x);
        }
        if (dark && !inLine) found.lines.append({y, y});
        if (dark) found.lines.last().second = y;
        inLine = dark;
    }
    return found;
}

struct PictureButtonLook : testing::Test {
    PictureButton button;
    void SetUp() override {
        QFont arial("Arial");
        arial.setPointSizeF(9);
        button.setFont(arial);
        QPixmap picture(32, 32);
        picture.fill(QColor(0, 160, 255));  // light enough not to count as letters
        button.setIcon(picture);
        button.setIconSize(QSize(32, 32));
        button.resize(65, 89);  // 975 x 1335 twips
    }
};
}  // namespace

TEST_F(PictureButtonLook, ACaptionWiderThanTheButtonWrapsUnderThePictureWithinTheFrame) {
    button.setText("Get Records");
    const Letters letters = LettersOf(button);
    ASSERT_EQ(letters.lines.size(), 2) << "one line a word";
    EXPECT_GT(letters.lines[0].first, button.PictureRect().bottom());
    EXPECT_LT(letters.lines[1].second, button.height() - 2);
    EXPECT_GT(letters.left, 1);
    EXPECT_LT(letters.right, button.width() - 2);
}

TEST_F(PictureButtonLook, AShortCaptionStaysOnOneLineAndTheBlockIsCentred) {
    button.setText("Get");
    const Letters letters = LettersOf(button);
    ASSERT_EQ(letters.lines.size(), 1);
    const int above = button.PictureRect().top();
    const int below = button.height() - 1 - letters.lines[0].second;
    EXPECT_NEAR(above, below, 4) << "picture and caption sit in the middle of the button together";
}
