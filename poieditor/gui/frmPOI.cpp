#include "poieditor/gui/frmPOI.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include "common/Blanks.h"
#include "common/ErrorText.h"
#include "common/Settings.h"
#include "common/Shared.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Twips.h"
#include "poidb/PoiListing.h"
#include "poidb/clsDBLib.h"
#include "poieditor/DegreeEntry.h"
#include "poieditor/gui/ProgramEnded.h"
#include "poieditor/gui/frmSearch.h"

frmPOI::frmPOI(const QString& programFolder, QWidget* parent) : QDialog(parent), programFolder_(programFolder) {
    setWindowTitle("VADOZ");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::ToPixels(7065), Twips::ToPixels(3810));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    CreateControls();
}

frmPOI::~frmPOI() = default;

int frmPOI::exec() {
    try {
        Form_Load();
    } catch (const ProgramEnded&) {
        return 0;
    }
    return QDialog::exec();
}

QString frmPOI::Text(const char* key) const { return GetLanguageText(programFolder_, "Search", key); }

QAction* frmPOI::Button(const QString& key) const {
    for (QAction* b : Buttons)
        if (!key.isEmpty() && b->data().toString() == key) return b;
    return nullptr;
}

QRadioButton* frmPOI::Option(int kind) const {
    QRadioButton* options[] = {Option1, Option2, Option3, Option4, Option5};
    return options[kind - 1];
}

void frmPOI::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape must not close it and lose what is being typed.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

void frmPOI::EndWith(const std::exception& e) {
    MessageBox::ShowError(DescriptionOf(e));
    if (EndProgram) {
        EndProgram();
    } else {
        QCoreApplication::exit(0);
    }
    done(0);
    throw ProgramEnded{};
}

void frmPOI::Form_Load() {
    DialogResult = 0;
    LoadRecords();
    CurrentIndex = 0;
    RefreshDisplay();
}

void frmPOI::LoadRecords() {
    try {
        ListAllPois(PoiList);
        listCut_ = false;
    } catch (const PoiListFull&) {
        // Another program wrote more rows than the list holds. Ending here, as for an unreadable table, would keep
        // the user from ever deleting rows: the first ones are listed instead, and said once until the table fits.
        if (!listCut_)
            MessageBox::Show(QStringLiteral("The POI table holds more than %1 POIs, and only the first %1 are listed. "
                                            "Delete POIs to see the others.")
                                 .arg(PoiListLimit),
                             int(MessageBox::Exclamation) | MessageBox::OkOnly);
        listCut_ = true;
    } catch (const std::exception& e) {
        EndWith(e);
    }
}

void frmPOI::RefreshDisplay() {
    const int n = PoiList.UBound();
    Panel(1)->setText(Text("0007") + (n >= 1 ? QString("%1/%2").arg(CurrentIndex + 1).arg(n) : QString("0/0")));
    const bool amending = EditMode == Text("0005");
    const bool adding = EditMode == Text("0004");
    Panel(2)->setText(amending ? Text("0008") : adding ? Text("0010") : n == 0 ? Text("0011") : QString());

    const bool editing = !EditMode.isEmpty();
    const bool browsing = !editing;
    const bool back = browsing && n >= 1 && CurrentIndex >= 1;
    const bool forward = browsing && n >= 1 && CurrentIndex + 1 < n;
    const std::pair<const char*, bool> states[] = {
        {"NewRec", browsing},
        {"AmendmentRec", browsing && n >= 1},
        {"DelRec", browsing && n >= 1},
        {"CancelRec", editing},
        {"WriteRec", editing},
        {"Search", browsing && n >= 1},
        {"FirstRec", back},
        {"ReplyRec", back},
        {"NextRec", forward},
        {"LastRec", forward},
        {"Exit", browsing},
    };
    for (const auto& [key, on] : states) Button(key)->setEnabled(on);
    FraRec->setEnabled(editing);
    fraHouse->setEnabled(editing);

    // While adding, the boxes keep what the user types.
    if (n >= 1 && !adding && CurrentIndex >= 0 && CurrentIndex < n) ShowRecord(PoiList[CurrentIndex]);
}

void frmPOI::ShowRecord(const PoiRecord& r) {
    txtExplanation->setText(r.Explanation);
    // A kind that is no number from 1 to 5 selects no option: the selection stays as it was.
    bool isNumber = false;
    const double kind = r.Kind.toDouble(&isNumber);
    for (int k = 1; k <= 5; ++k)
        if (isNumber && kind == k) Option(k)->setChecked(true);
    const DegreeBoxes x = DegreeBoxTexts(r.X);
    const DegreeBoxes y = DegreeBoxTexts(r.Y);
    const QString texts[] = {x.Degrees, x.Minutes, x.Seconds, y.Degrees, y.Minutes, y.Seconds};
    for (int i = 0; i < 6; ++i) VehicleTxt[3 + i]->setText(texts[i]);
}

void frmPOI::ClearEntry() {
    txtExplanation->clear();
    for (int i = 3; i <= 8; ++i) VehicleTxt[i]->clear();
}

void frmPOI::tbrTool_ButtonClick(QAction* Button) {
    const QString key = Button ? Button->data().toString() : QString();
    try {
        RunCommand(key);
        if (key == "Exit") return;
        RefreshDisplay();
    } catch (const ProgramEnded&) {
    }
}

void frmPOI::RunCommand(const QString& key) {
    const int n = PoiList.UBound();
    if (key == "NewRec") {
        ClearEntry();
        Option1->setChecked(true);
        EditMode = Text("0004");
    } else if (key == "AmendmentRec") {
        EditMode = Text("0005");
    } else if (key == "DelRec") {
        DeleteRecord();
    } else if (key == "CancelRec") {
        EditMode.clear();
    } else if (key == "WriteRec") {
        WriteRecord();
    } else if (key == "Search") {
        SearchRecord();
    } else if (key == "FirstRec") {
        CurrentIndex = 0;
    } else if (key == "ReplyRec") {
        CurrentIndex = static_cast<int16_t>(std::max(CurrentIndex - 1, 0));
    } else if (key == "NextRec") {
        CurrentIndex = static_cast<int16_t>(std::max(std::min(CurrentIndex + 1, n - 1), 0));
    } else if (key == "LastRec") {
        CurrentIndex = static_cast<int16_t>(std::max(n - 1, 0));
    } else if (key == "Exit") {
        done(0);
    }
}

void frmPOI::DeleteRecord() {
    if (MessageBox::Show(Text("0012"), int(MessageBox::Question) | MessageBox::YesNo, Text("0013")) != MessageBox::Yes)
        return;
    if (CurrentIndex < 0 || CurrentIndex >= PoiList.UBound()) return;
    try {
        DBLib().DeleteCoordinate(PoiList[CurrentIndex].Explanation);
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));  // nothing was deleted; the window stays as it was
        return;
    }
    LoadRecords();
    const int n = PoiList.UBound();
    if (n >= 1) {
        // Several POIs may have shared the name, so the list can shrink by more than one.
        CurrentIndex = static_cast<int16_t>(std::min(std::max(CurrentIndex - 1, 0), n - 1));
    } else {
        ClearEntry();
    }
    DialogResult = 1;
}

void frmPOI::SearchRecord() {
    const int32_t kept = DialogResult;
    DialogResult = 0;
    DialogText.clear();
    {
        frmSearch prompt(programFolder_, this);
        prompt.exec();
    }
    // A change to the table made before the search stays reported.
    const bool confirmed = DialogResult == 1;
    DialogResult = kept;
    if (confirmed) FindRecord();
}

void frmPOI::FindRecord() {
    try {
        const QString t = TrimBlanks(DialogText.toUpper());
        for (int i = 0; i < PoiList.UBound(); ++i) {
            if (PoiList[i].Explanation.toUpper().contains(t)) {
                CurrentIndex = static_cast<int16_t>(i);
                RefreshDisplay();
                return;
            }
        }
        MessageBox::Show(Text("0006"), int(MessageBox::Exclamation) | MessageBox::OkOnly);
    } catch (const ProgramEnded&) {
        throw;
    } catch (const std::exception& e) {
        EndWith(e);
    }
}
