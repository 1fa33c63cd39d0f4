#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The search prompt of the POI editor: the text to look for among the POI names, offered as last searched and all
// selected. OK hands it back through DialogResult 1 and DialogText; Cancel and closing leave DialogResult at 0.
class frmSearch : public QDialog {
    Q_OBJECT
public:
    explicit frmSearch(const QString& programFolder, QWidget* parent = nullptr);

    void Form_Load();
    void txtSearch_GotFocus();
    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel* Label1;
    QLineEdit* txtSearch;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString programFolder_;
};
