#include "common/gui/FormPosition.h"

#include <QLineEdit>
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

// Moves by the window's own x()/y(), the frame's corner for a top-level window, so that a restored window stands
// where it was saved rather than a frame's width lower and to the right.
void MoveTo(QWidget* frm, double left, double top, double width, double height) {
    frm->move(Twips::ToPixels(left), Twips::ToPixels(top));
    frm->resize(std::max(0, Twips::ToPixels(width)), std::max(0, Twips::ToPixels(height)));
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
