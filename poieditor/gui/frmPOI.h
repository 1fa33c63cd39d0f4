#pragma once
#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "poidb/PoiRecord.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStatusBar;
class QToolBar;
class FileDialog;
class clsDBLib;

// The POI editor: one POI at a time from its own copy of the table, stepped through, searched by name, added,
// amended and deleted through the shared DBLib. It works on the connection the main window opened, and sets
// DialogResult to 1 when it changed the table. Shown modal by exec(), which loads it first. Controls and window
// state are public under their design names, handlers as control_event.
class frmPOI : public QDialog {
    Q_OBJECT
public:
    explicit frmPOI(const QString& programFolder, QWidget* parent = nullptr);
    ~frmPOI() override;

    // Loads the window (Form_Load), then shows it modal. Gives 0 at once when the load ended the program.
    int exec() override;

    void Form_Load();
    void LoadRecords();
    void RefreshDisplay();
    void FindRecord();
    void tbrTool_ButtonClick(QAction* Button);
    void WriteRecord();

    // The POI file exchange. No control of the window calls them.
    void ExportExcel();
    void ImportExcel();
    void ImportTxt();
    // The file dialog on ComDlg: the chosen full path, or "" on cancel (filterIndex then untouched); a save dialog
    // for the export, an open dialog for the imports.
    QString ShowFileDialog(const QString& filter, int16_t& filterIndex, const QString& dialogTitle,
                           const QString& fileName, bool forSaving);

    // The toolbar button with this key; nullptr for none.
    QAction* Button(const QString& key) const;
    // Status panel 1 or 2.
    QLabel* Panel(int i) const { return panels_[i - 1]; }
    QRadioButton* Option(int kind) const;

    // How the program ends when the list cannot be loaded or searched: by default the application's event loops
    // are left. Tests replace it.
    static inline std::function<void()> EndProgram;

    // Window-level state.
    SpareList<PoiRecord> PoiList;
    int16_t CurrentIndex = 0;
    QString EditMode;

    // Controls, in the order of the design. Control arrays are indexed as designed; unused indexes are nullptr.
    QToolBar* tbrTool;
    QList<QAction*> Buttons;  // the toolbar's 18 items, separators included, left to right
    QList<QIcon> imlTool;
    QGroupBox* FraRec;
    std::array<QLabel*, 9> Label1{};
    QLineEdit* txtExplanation;
    QLabel* Label3;
    std::array<QLineEdit*, 9> VehicleTxt{};
    QLabel* Label5;
    QGroupBox* fraHouse;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Image3;
    QLabel* Image4;
    QLabel* Image5;
    QStatusBar* stbTool;
    FileDialog* ComDlg;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void CreateToolbar();
    void CreateRecordFrame();
    void CreateKindFrame();
    void CreateStatusBar();
    void SetTabOrder();
    void RunCommand(const QString& key);
    void DeleteRecord();
    void SearchRecord();
    void ClearEntry();
    void ShowRecord(const PoiRecord& r);
    // The two imports differ only in the file's kind and its reader (ImportPoiCsv, ImportWaypoints).
    using FileImport = bool (*)(const QStringList& lines, clsDBLib& db, int& stored, int room);
    void ImportFile(const QString& filter, const QString& dialogTitle, FileImport import);
    void ReportImport(int stored, bool completed, bool whole);
    [[noreturn]] void EndWith(const std::exception& e);
    QString Text(const char* key) const;

    QString programFolder_;
    std::array<QLabel*, 2> panels_{};
    bool listCut_ = false;  // the last load listed only the first PoiListLimit rows of the table
};
