// The controls of the POI editor as designed: names, containers, twips geometry, captions and the toolbar's
// buttons with their keys and pictures.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <iterator>

#include "platform/gui/FileDialog.h"
#include "platform/gui/Twips.h"
#include "poieditor/gui/ToolPictures.h"
#include "poieditor/gui/frmPOI.h"

namespace {

template <typename W>
W* Place(W* w, double left, double top, double width, double height) {
    Twips::Move(w, left, top, width, height);
    return w;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, double l, double t, double w, double h) {
    return Place(new QLabel(caption, parent), l, t, w, h);
}

// A row label standing left of its boxes, its text ending at 1830.
QLabel* MakeRowLabel(QWidget* parent, const QString& caption, double top) {
    auto* label = MakeLabel(parent, caption, 330, top, 1500, 240);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

struct ToolItem {
    const char* caption;  // nullptr for a separator
    const char* key;
    int picture;
};

}  // namespace

void frmPOI::CreateControls() {
    QFont font("Arial");
    font.setPointSizeF(8.25);
    setFont(font);
    CreateToolbar();
    CreateRecordFrame();
    CreateKindFrame();
    CreateStatusBar();
    SetTabOrder();
    ComDlg = new FileDialog(this);
}

void frmPOI::CreateToolbar() {
    static const ToolItem items[] = {
        {"New", "NewRec", 1},       {"Edit", "AmendmentRec", 2},
        {"Delect", "DelRec", 3},    {nullptr, "", 0},
        {"Cancel", "CancelRec", 4}, {"Save", "WriteRec", 5},
        {nullptr, "", 0},           {"Search", "Search", 6},
        {nullptr, "", 0},           {"Fist", "FirstRec", 7},
        {"Back", "ReplyRec", 8},    {"Next", "NextRec", 9},
        {"Last", "LastRec", 10},    {nullptr, "", 0},
        {"更新", "", 11},           {"列印", "", 12},
        {nullptr, "", 0},           {"Exit", "Exit", 13},
    };
    imlTool = ToolPictures();
    tbrTool = Place(new QToolBar(this), 0, 0, 7065, 615);
    tbrTool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tbrTool->setIconSize(QSize(16, 16));
    tbrTool->setMovable(false);
    // Thirteen captioned buttons and five separators share the window's width, as they do on the design.
    tbrTool->setStyleSheet(
        "QToolBar { spacing: 0px; padding: 0px; }"
        "QToolButton { padding: 0px; margin: 0px; font: 7.5pt \"Arial\"; }"
        "QToolBar::separator { width: 4px; }");
    for (const ToolItem& item : items) {
        if (!item.caption) {
            Buttons.append(tbrTool->addSeparator());
            continue;
        }
        QAction* button = tbrTool->addAction(imlTool[item.picture - 1], QString::fromUtf8(item.caption));
        button->setData(QString::fromLatin1(item.key));
        tbrTool->widgetForAction(button)->setMaximumWidth(Twips::ToPixels(510));
        Buttons.append(button);
    }
    connect(tbrTool, &QToolBar::actionTriggered, this, &frmPOI::tbrTool_ButtonClick);
}

void frmPOI::CreateRecordFrame() {
    FraRec = Place(new QGroupBox(this), 120, 600, 6855, 1815);
    Label1[1] = MakeLabel(FraRec, "POI:", 1485, 405, 345, 225);
    txtExplanation = Place(new QLineEdit(FraRec), 1920, 300, 3375, 330);

    Label3 = MakeRowLabel(FraRec, "Longitude:", 885);
    Label5 = MakeRowLabel(FraRec, "Latitude:", 1365);
    const double lefts[] = {1920, 2760, 3600};
    const double markLefts[] = {2640, 3480, 4320};
    const char* marks[] = {"°", "'", "\""};
    for (int i = 0; i < 3; ++i) {
        VehicleTxt[3 + i] = Place(new QLineEdit(FraRec), lefts[i], 795, 645, 330);
        VehicleTxt[6 + i] = Place(new QLineEdit(FraRec), lefts[i], 1275, 645, 330);
        Label1[i == 0 ? 0 : 1 + i] = MakeLabel(FraRec, QString::fromUtf8(marks[i]), markLefts[i], 840, 120, 240);
        Label1[5 + i] = MakeLabel(FraRec, QString::fromUtf8(marks[i]), markLefts[i], 1320, 120, 240);
    }
    Label1[4] = MakeLabel(FraRec, QString::fromUtf8("Ex:120°41'05''"), 4560, 885, 1200, 240);
    Label1[8] = MakeLabel(FraRec, QString::fromUtf8("Ex:24°06'23''"), 4560, 1365, 1095, 240);
}

void frmPOI::SetTabOrder() {
    // The boxes are made column by column, which would take Tab down the columns: an angle is typed along its row.
    QWidget* const order[] = {txtExplanation, VehicleTxt[3], VehicleTxt[4], VehicleTxt[5], VehicleTxt[6], VehicleTxt[7],
                              VehicleTxt[8],  Option1,       Option2,       Option3,       Option4,       Option5};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void frmPOI::CreateKindFrame() {
    fraHouse = Place(new QGroupBox(this), 120, 2400, 6855, 1095);
    // Option buttons of one container form one group: selecting one clears the others.
    Option1 = Place(new QRadioButton(fraHouse), 1200, 480, 255, 255);
    Option2 = Place(new QRadioButton(fraHouse), 2040, 480, 255, 255);
    Option3 = Place(new QRadioButton(fraHouse), 2880, 480, 255, 255);
    Option4 = Place(new QRadioButton(fraHouse), 3840, 480, 255, 180);
    Option5 = Place(new QRadioButton(fraHouse), 4800, 480, 255, 255);
    Option1->setChecked(true);
    // Each picture stands just right of its kind's option button.
    Image2 = MakeLabel(fraHouse, "", 1560, 360, 480, 480);
    Image1 = MakeLabel(fraHouse, "", 2400, 360, 480, 480);
    Image3 = MakeLabel(fraHouse, "", 3240, 360, 480, 480);
    Image4 = MakeLabel(fraHouse, "", 4080, 360, 480, 480);
    Image5 = MakeLabel(fraHouse, "", 5040, 360, 480, 480);
    QLabel* pictures[] = {Image2, Image1, Image3, Image4, Image5};
    for (int kind = 1; kind <= 5; ++kind) pictures[kind - 1]->setPixmap(KindPicture(programFolder_, kind));
}

void frmPOI::CreateStatusBar() {
    stbTool = Place(new QStatusBar(this), 0, 3810 - 285, 7065, 285);
    stbTool->setSizeGripEnabled(false);
    for (QLabel*& panel : panels_) {
        panel = new QLabel(stbTool);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        stbTool->addWidget(panel, 1);
    }
}
