#include "poieditor/gui/frmSearch.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/Blanks.h"
#include "common/Settings.h"
#include "common/Shared.h"
#include "common/gui/FormPosition.h"
#include "platform/gui/Twips.h"

namespace {
template <typename W>
W* Place(W* w, double left, double top, double width, double height) {
    Twips::Move(w, left, top, width, height);
    return w;
}
}  // namespace

frmSearch::frmSearch(const QString& programFolder, QWidget* parent) : QDialog(parent), programFolder_(programFolder) {
    setWindowTitle("Search");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::ToPixels(4080), Twips::ToPixels(1350));
    QFont arial("Arial");
    arial.setPointSizeF(9.75);
    setFont(arial);

    Label1 = Place(new QLabel("Vehicle number:", this), 240, 180, 1410, 240);
    txtSearch = Place(new QLineEdit(this), 2040, 120, 1920, 390);
    cmdOK = Place(new QPushButton("Ok", this), 1320, 765, 1215, 495);
    cmdCancel = Place(new QPushButton("Cancel ", this), 2760, 765, 1215, 495);
    cmdOK->setDefault(true);
    setTabOrder(txtSearch, cmdCancel);
    setTabOrder(cmdCancel, cmdOK);
    txtSearch->setFocus();

    txtSearch->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &frmSearch::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSearch::cmdCancel_Click);
    Form_Load();
}

bool frmSearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSearch && event->type() == QEvent::FocusIn) txtSearch_GotFocus();
    return QDialog::eventFilter(watched, event);
}

void frmSearch::Form_Load() {
    DialogResult = 0;
    txtSearch->setText(ReadSetting(programFolder_, "Search", "VehicleNumber"));
}

void frmSearch::txtSearch_GotFocus() { SelectAllText(txtSearch); }

void frmSearch::cmdOK_Click() {
    DialogResult = 1;
    DialogText = TrimBlanks(txtSearch->text());
    WriteSetting(programFolder_, "Search", "VehicleNumber", DialogText);
    done(1);
}

void frmSearch::cmdCancel_Click() { done(0); }
