#include "common/gui/FormPosition.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/Numbers.h"
#include "common/Settings.h"
#include "platform/gui/Twips.h"

namespace {

// Bounds are written as the single-precision numbers they are read back as, in plain decimal text.
QString PlainNumber(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value), std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// Below this a window shows next to nothing, and one never shown keeps the program's single-instance lock while
// the user cannot reach it.
constexpr int UsableWidth = 160;
constexpr int UsableHeight = 120;
// So much of a window must lie on some screen for the user to get hold of it.
constexpr int ReachableEdge = 40;

bool Reachable(const QRect& bounds) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = bounds & screen->availableGeometry();
        if (seen.width() >= std::min(ReachableEdge, bounds.width()) &&
            seen.height() >= std::min(ReachableEdge, bounds.height()))
            return true;
    }
    return false;
}

// A size saved on a larger desktop would put the window's own controls out of sight, and one of thousands of
// pixels each way takes memory without end while it is being painted.
bool FitsAScreen(const QSize& size) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize room = screen->availableGeometry().size();
        if (size.width() <= room.width() && size.height() <= room.height()) return true;
    }
    return false;
}

// Moves by the window's own x()/y(), the frame's corner for a top-level window, so that a restored window stands
// where it was saved rather than a frame's width lower and to the right. Bounds that would leave the window too
// small to use, larger than any screen, or off every screen (a value from another desktop, or damaged), give way to
// its design size, centred, as when nothing is stored.
void MoveTo(QWidget* frm, double left, double top, double width, double height) {
    const QSize size(Twips::ToPixels(width), Twips::ToPixels(height));
    // A corner this far out is off every screen; held here so that the bounds' far edges stay within an int.
    constexpr int Far = 1 << 20;
    const QPoint corner(std::clamp(Twips::ToPixels(left), -Far, Far), std::clamp(Twips::ToPixels(top), -Far, Far));
    if (size.width() >= UsableWidth && size.height() >= UsableHeight && FitsAScreen(size) &&
        Reachable(QRect(corner, size))) {
        frm->move(corner);
        frm->resize(size);
    } else if (const QScreen* screen = frm->screen()) {
        frm->move(screen->availableGeometry().center() - frm->rect().center());
    }
}

// The five comma-ended numbers of a stored value. A field with no comma after it cannot be taken and stays 0, and
// the search for the next comma then starts again from the beginning of the text.
void ReadFields(const QString& s, float (&a)[5]) {
    qsizetype p = 0;  // 1-based position of the last comma found, 0 for none
    for (float& field : a) {
        const qsizetype start = p + 1;
        p = s.indexOf(u',', start - 1) + 1;
        if (p == 0) continue;
        const float value = static_cast<float>(LeadingNumber(QStringView(s).mid(start - 1, p - start)));
        if (std::isfinite(value)) field = value;  // too large for a single: the field is refused
    }
}

}  // namespace

void RestoreFormPosition(QWidget* frm, const QString& programFolder, const QString& section, const QString& key,
                         float defaultWidth, float defaultHeight) {
    if (!frm) return;
    try {
        const QString s = ReadSetting(programFolder, section, key);
        if (s.isEmpty()) {
            if (defaultWidth > 0) MoveTo(frm, Twips::Left(frm), Twips::Top(frm), defaultWidth, defaultHeight);
            return;
        }
        float a[5] = {0, 0, 0, 0, 0};
        ReadFields(s, a);
        const Qt::WindowStates others = frm->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
        frm->setWindowState(a[0] == 2 ? others | Qt::WindowMaximized : others);
        // A maximized window keeps the screen; the stored bounds would not apply to it.
        if (!frm->isMaximized()) MoveTo(frm, a[1], a[2], a[3], a[4]);
    } catch (...) {
        // A window position is a convenience: nothing in restoring it may stop the window from opening.
    }
}

void SaveFormPosition(QWidget* frm, const QString& programFolder, const QString& section, const QString& key) {
    if (!frm) return;
    try {
        const QString b = "," + PlainNumber(Twips::Left(frm)) + "," + PlainNumber(Twips::Top(frm)) + "," +
                          PlainNumber(Twips::Width(frm)) + "," + PlainNumber(Twips::Height(frm)) + ",";
        const Qt::WindowStates state = frm->windowState();
        if (state & Qt::WindowMinimized) return;  // its bounds are not the ones to reopen with
        if (!(state & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            WriteSetting(programFolder, section, key, "0" + b);
            return;
        }
        // Maximized: keep the last stored bounds rather than the whole screen's.
        const QString old = ReadSetting(programFolder, section, key);
        WriteSetting(programFolder, section, key, old.size() >= 2 ? "2" + old.mid(1) : "2" + b);
    } catch (...) {
        // Closing goes on whatever happens here.
    }
}

void SelectAllText(QLineEdit* ctl) {
    if (ctl) ctl->setSelection(0, ctl->text().size());
}
