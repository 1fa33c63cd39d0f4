#include "platform/gui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/Application.h"

namespace MessageBox {
namespace {
std::function<int(const Call&)> handler;
}

int Show(const QString& text, int style, const QString& title) {
    Call call{text, style, title.isEmpty() ? Application::Title() : title};
    if (handler) return handler(call);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(call.title);
    box.setText(text);
    switch (style & 0x70) {
        case Critical: box.setIcon(QMessageBox::Critical); break;
        case Question: box.setIcon(QMessageBox::Question); break;
        case Exclamation: box.setIcon(QMessageBox::Warning); break;
        case Information: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    switch (style & 0x7) {
        case OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return Cancel;
        case QMessageBox::Yes: return Yes;
        case QMessageBox::No: return No;
        default: return Ok;
    }
}

void ShowError(const QString& description) { Show(description, int(Critical) | int(OkOnly)); }

void SetHandler(std::function<int(const Call&)> h) { handler = std::move(h); }

}  // namespace MessageBox
