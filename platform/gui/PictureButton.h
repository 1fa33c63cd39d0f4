#pragma once
#include <QToolButton>

// A graphical-style command button: its picture above its caption, the two centred together, the caption wrapped
// at word boundaries over as many lines as the button's width needs, as the desktop's picture buttons do. A tool
// button would cut a caption wider than itself down to one elided line instead.
class PictureButton : public QToolButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // Where the picture and the caption are drawn, in the button's own coordinates.
    QRect PictureRect() const;
    QRect CaptionRect() const;
    // How the caption is laid out within CaptionRect.
    static constexpr int CaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect Inner() const;
    int CaptionHeight() const;
};
