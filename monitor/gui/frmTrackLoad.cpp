// The main window's life: its load step with the start-up settings and the POI list, and its unload step.
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QTimer>

#include "common/Numbers.h"
#include "common/Settings.h"
#include "common/ErrorText.h"
#include "common/StationError.h"
#include "common/gui/FormPosition.h"
#include "monitor/MapPage.h"
#include "monitor/MarkerFile.h"
#include "monitor/gui/frmTrack.h"
#include "platform/Application.h"
#include "platform/gui/ListView.h"
#include "platform/gui/MessageBox.h"
#include "poidb/PoiListing.h"
#include "poidb/clsDBLib.h"

namespace {

// Thrown once the load step has shown its message and the program is to end before the window appears.
struct LoadEnded {};

// Selects the entry at a position read from the settings; -1 selects none, any other position outside the list
// is refused as the list itself would refuse it.
void SelectStoredPosition(QComboBox* list, const QString& stored, const QString& what) {
    const int16_t position = ToInt16(LeadingNumber(stored) - (what == "CommPort" ? 1 : 0));
    if (position < -1 || position >= list->count())
        throw StationError(QString("Invalid property value: the stored %1 setting \"%2\" names no entry of the list.")
                               .arg(what, stored));
    list->setCurrentIndex(position);
}

}  // namespace

bool frmTrack::Show() {
    try {
        Form_Load();
    } catch (const LoadEnded&) {
        return false;
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
        return false;
    }
    show();
    return true;
}

void frmTrack::Form_Load() {
    RestoreFormPosition(this, programFolder_, "Position", "Track", 0, 0);
    Application::SetTitle(Application::ProgramTitle(GetLanguageText(programFolder_, "Track", "0001")));
    setWindowTitle(Application::Title());
    InitializeSettings();
    fraTrackQuery->setTitle("");

    auto text = [this](const char* key) { return GetLanguageText(programFolder_, "Track", key); };
    CmdPOI->setText(text("0002"));
    frmRecords->setTitle(text("0005"));
    cmdQuery->setText(text("0003"));
    labComPort->setText(text("0007"));
    Label1->setText(text("0008"));
    lblFromTime->setText(text("0009"));
    Label7->setText(text("0010"));
    Label10->setText(text("0011"));
    lblFromSpeed->setText(text("0012"));
    cmdGET->setText(text("0013"));
    fraPlay->setTitle(text("0014"));
    Label5->setText(text("0015"));
    Label4->setText(text("0021"));
    cmdExport->setText(text("0024"));
    cmdPlay->setText(text("0025"));
    cmdStopPlay->setText(text("0026"));
    Check1->setText(text("0027"));

    DateView->AddColumn("Index", text("0016"), 800);
    DateView->AddColumn("Date", text("0018"), 2700);
    DateView->AddColumn("CheckPoint", text("0006"), 2700);
    DateView->AddColumn("Latitude", text("0019"), 1800);
    DateView->AddColumn("LONGITUDE", text("0020"), 1800);
    DateView->AddColumn("Direction", text("0022"), 1200);
    DateView->AddColumn("SPEED", text("0023"), 1200);

    CurrentFix = {FixRecord{}};
    TrackList.Clear();

    DBLib().OpenConnection(programFolder_ + "/database/POI.mdb");
    LoadPOIs();

    dtpFromTime->setDateTime(QDateTime::currentDateTime());
    for (int i = 0; i <= 23; ++i) {
        Combo1->addItem(QString::asprintf("%02d", i));
        Combo4->addItem(QString::asprintf("%02d", i));
    }
    for (int i = 0; i <= 50; i += 10) {
        Combo2->addItem(QString::asprintf("%02d", i));
        Combo3->addItem(QString::asprintf("%02d", i));
    }
    Combo4->addItem("24");
    Combo4->setCurrentIndex(24);
    Combo3->setCurrentIndex(0);
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);

    MapTimer->start();
}

void frmTrack::InitializeSettings() {
    try {
        MapTemplate = ReadMapTemplate(programFolder_);
        cmdCommport->clear();
        for (int i = 1; i <= 15; ++i) cmdCommport->addItem(QString("COM%1").arg(i));
        SelectStoredPosition(cmdCommport, ReadSetting(programFolder_, "Settings", "CommPort"), "CommPort");
        lblZoom->setText("15");
        SelectStoredPosition(cmdSetting, ReadSetting(programFolder_, "Settings", "Setting"), "Setting");
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
        throw LoadEnded{};
    }
}

void frmTrack::LoadPOIs() {
    try {
        ListAllPois(PoiList);
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
    }
    poiMarkerLines_ = PoiLines(PoiList);
}

void frmTrack::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SaveFormPosition(this, programFolder_, "Position", "Track");
    try {
        DBLib().CloseConnection();
    } catch (const std::exception&) {
        // The program ends here in any case.
    }
    if (EndProgram) {
        EndProgram();
    } else {
        QCoreApplication::exit(0);
    }
}
