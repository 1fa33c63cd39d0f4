#pragma once
#include <QDialog>

class QComboBox;
class QPushButton;
class QRadioButton;

// Asks what a print-out covers: the vehicle chosen in the list, or all vehicles. Shown modal; OK hands the answer
// back through DialogResult and DialogText (1 and the vehicle, or 2 and "*"). Cancel, and OK with no option
// chosen, leave both as the opener set them.
class frmChoice : public QDialog {
    Q_OBJECT
public:
    frmChoice(const QString& programFolder, QWidget* owner);

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();

    QRadioButton* Option1;
    QRadioButton* Option2;
    QComboBox* cmbVehicle;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    QString programFolder_;
};
