#pragma once
#include <QWidget>
#include <functional>

#include "common/SpareList.h"
#include "monitor/SentenceFramer.h"
#include "monitor/TrackRecord.h"
#include "poidb/PoiRecord.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class ListView;
class MapBrowser;
class SerialPortControl;
class StatusBar;
class FileDialog;
class DeferredErrorBox;

// The main window: the station. Controls and window state are public under their design names so the handlers of
// each concern (serial intake, map, layout) and the tests reach them as the design names them.
class frmTrack : public QWidget {
    Q_OBJECT
public:
    explicit frmTrack(const QString& programFolder, QWidget* parent = nullptr);
    ~frmTrack() override;

    // Loads the window (its load step) and shows it. False when the load step ended the program; its message has
    // been shown then and the window never appears.
    bool Show();

    // Load and unload.
    void Form_Load();
    void Form_Unload();
    void InitializeSettings();
    void LoadPOIs();

    // Layout.
    void Form_Resize();

    // Serial connection and position intake.
    void cmdQuery_Click();
    void MSComm1_OnComm();
    void MSComm1_LineChanged();
    void ProcessGPRMC(const QString& Sentence);

    // Map.
    void RefreshMap();
    void ShowWholeTrack();

    // Selected position, redraw timer and zoom.
    void Timer3_Timer();
    void Check1_Click();
    void DateView_Click();
    void imgZoomIn_Click();
    void imgZoomOut_Click();
    void WBMaps_Zoomed(int level);
    void StopTimersAndRefreshMap();

    // The POI editor, and the POIs handed back by the map page.
    void CmdPOI_Click();
    void MapTimer_Timer();

    // History query.
    void cmdGET_Click();

    // Replay.
    void cmdPlay_Click();
    void cmdStopPlay_Click();
    void delay(float Seconds);

    // Track export.
    void cmdExport_Click();
    QString ShowFileDialog(const QString& Filter, int16_t& FilterIndex, const QString& DialogTitle,
                           const QString& FileName);
    // True when the file was written; a failure has been shown then.
    bool ExportTrackFile(const QString& FileName, int16_t FormatIndex);

    QString ProgramFolder() const { return programFolder_; }

    // How the program ends: by default the application's event loops are left. Tests replace it.
    static inline std::function<void()> EndProgram;
    // The replay's clock, seconds since midnight; by default the PC clock. Tests replace it so pauses pass at once.
    static inline std::function<float()> SecondsSinceMidnight;
    // Opens an exported file in the desktop's text editor; false when that cannot be started. Tests replace it.
    static inline std::function<bool(const QString&)> OpenInTextEditor;
    // How often the history query serves the window's messages while it reads: every so many milliseconds, often
    // enough for the table to follow the read and for Stop to end it at once. Tests that act at a given line of
    // the log set 0, which serves after every line.
    static inline int QueryServeMilliseconds = 10;

    // Window-level state.
    QList<FixRecord> CurrentFix;  // only element 0 is used
    SpareList<TrackRecord> TrackList;
    SpareList<QString> MapTemplate;
    SpareList<PoiRecord> PoiList;
    int16_t PlayStopped = 0;
    SentenceFramer Framing;  // holds PendingInput, the characters not yet ended by a carriage return

    // Controls, in the order of the design.
    QGroupBox* fraMap;
    MapBrowser* WBMaps;
    QLabel* lblCaption;
    QLabel* labXY;
    QLabel* lblSpeed;
    QLabel* lblZoom;
    QLabel* imgZoomIn;
    QLabel* imgZoomOut;
    QGroupBox* fraTrackQuery;
    QLabel* labComPort;
    QComboBox* cmdCommport;
    QLabel* Label1;
    QComboBox* cmdSetting;
    QPushButton* cmdQuery;
    QPushButton* CmdPOI;
    QGroupBox* frmRecords;
    QLabel* lblFromTime;
    QDateEdit* dtpFromTime;
    QLabel* Label7;
    QComboBox* Combo1;
    QLabel* Label8;
    QComboBox* Combo2;
    QLabel* Label10;
    QComboBox* Combo4;
    QLabel* Label9;
    QComboBox* Combo3;
    QLabel* lblFromSpeed;
    QLineEdit* txtFromSpeed;
    QLabel* lblKm1;
    QLabel* lblToSpeed;
    QLineEdit* txtToSpeed;
    QLabel* lblKm2;
    QCheckBox* Check1;
    QToolButton* cmdGET;
    QGroupBox* fraPlay;
    QLabel* Label5;
    QLineEdit* txtInterval;
    QLabel* Label4;
    QSlider* sldInterval;
    QLabel* lblOne;
    QLabel* lblTen;
    QPushButton* cmdExport;
    QPushButton* cmdPlay;
    QPushButton* cmdStopPlay;
    ListView* DateView;
    StatusBar* stbStatusBar;
    QTimer* MapTimer;
    QTimer* Timer3;
    QTimer* Timer4;
    SerialPortControl* MSComm1;
    FileDialog* ComDlg;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void AddTableRow(int n);
    void ZoomStep(int step);
    void CreateControls();
    void CreateMapFrame();
    void CreateQueryFrame();
    void CreateRecordsFrame();
    void CreateTimersAndServices();
    void ConnectHandlers();

    QString programFolder_;
    QString poiMarkerLines_;  // the POI lines of the marker file, made anew whenever PoiList is
    // Failures of the drawing and of the receive event, which the intake runs: told from the event loop, once each.
    DeferredErrorBox* liveFailure_;
    bool unloaded_ = false;   // set by the unload step; loops that serve messages then end
};
