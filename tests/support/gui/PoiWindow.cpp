#include "PoiWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "common/Settings.h"
#include "poidb/PoiDatabaseFile.h"
#include "poidb/clsDBLib.h"
#include "poieditor/gui/frmSearch.h"

PoiWindow::PoiWindow() : boxes(std::make_unique<MessageBoxRecorder>()) {
    frmPOI::EndProgram = [this] { ++programEnds; };
    DBLib().OpenConnection(PoiDatabasePath(folder.Path()));
}

PoiWindow::~PoiWindow() {
    window.reset();
    try {
        DBLib().CloseConnection();
    } catch (...) {
        // a test that closed it itself
    }
    frmPOI::EndProgram = {};
}

void PoiWindow::Insert(const QString& name, double x, double y, const QString& kind) {
    DBLib().InsertCoordinate(x, y, kind, name);
}

frmPOI& PoiWindow::Load() {
    window = std::make_unique<frmPOI>(folder.Path());
    window->Form_Load();
    return *window;
}

void PoiWindow::Click(const QString& key) { window->tbrTool_ButtonClick(window->Button(key)); }

void PoiWindow::Answer(int answer) {
    boxes.reset();
    boxes = std::make_unique<MessageBoxRecorder>(answer);
}

void PoiWindow::Search(const QString& text) {
    QTimer::singleShot(0, [text] {
        frmSearch* prompt = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<frmSearch*>(w); p && p->isVisible()) prompt = p;
        if (!prompt) return;
        if (text.isNull()) {
            prompt->cmdCancel_Click();
        } else {
            prompt->txtSearch->setText(text);
            prompt->cmdOK_Click();
        }
    });
    Click("Search");
}

QString PoiWindow::Lang(const char* key) const { return GetLanguageText(folder.Path(), "Search", key); }

QStringList PoiWindow::Boxes() const {
    QStringList texts;
    for (const MessageBox::Call& call : boxes->calls) texts.append(call.text);
    return texts;
}
