#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "PoiTableFill.h"
#include "PoiWindow.h"
#include "common/Shared.h"
#include "platform/AdoConnection.h"
#include "poidb/PoiDatabaseFile.h"
#include "poidb/clsDBLib.h"

namespace {

const QStringList Keys = {"NewRec",   "AmendmentRec", "DelRec",  "CancelRec", "WriteRec", "Search",
                          "FirstRec", "ReplyRec",     "NextRec", "LastRec",   "Exit"};

// The keyed buttons that are on, in toolbar order.
QStringList Enabled(const frmPOI& w) {
    QStringList on;
    for (const QString& key : Keys)
        if (w.Button(key)->isEnabled()) on.append(key);
    return on;
}

QStringList Boxes(const frmPOI& w) {
    QStringList texts;
    for (int i = 3; i <= 8; ++i) texts.append(w.VehicleTxt[i]->text());
    return texts;
}

void Type(frmPOI& w, const QString& name, const QStringList& angles) {
    w.txtExplanation->setText(name);
    for (int i = 0; i < 6; ++i) w.VehicleTxt[3 + i]->setText(angles[i]);
}

class PoiEditor : public testing::Test {
protected:
    void SetUp() override { DialogResult = 0; }
    PoiWindow t;
};

}  // namespace

TEST_F(PoiEditor, BrowsingStepsThroughTheRecordsAndShowsTheirAngles) {
    t.Insert("Station", 120.684722, 24.106389, "2");
    t.Insert("Depot", 120.683333, 0, "7");
    t.Insert("Harbour", -3, 22.5, "4");
    frmPOI& w = t.Load();
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "1/3");
    EXPECT_EQ(w.Panel(2)->text(), "");
    EXPECT_EQ(Enabled(w), QStringList({"NewRec", "AmendmentRec", "DelRec", "Search", "NextRec", "LastRec", "Exit"}));
    EXPECT_EQ(w.txtExplanation->text(), "Station");
    EXPECT_EQ(Boxes(w), QStringList({"120", "41", "05", "24", "06", "23"}));
    EXPECT_TRUE(w.Option2->isChecked());

    t.Click("NextRec");
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "2/3");
    EXPECT_EQ(Boxes(w), QStringList({"120", "40", "60", "0", "00", "00"}));
    EXPECT_TRUE(w.Option2->isChecked()) << "kind 7 leaves the options as they were";

    t.Click("LastRec");
    EXPECT_EQ(Enabled(w), QStringList({"NewRec", "AmendmentRec", "DelRec", "Search", "FirstRec", "ReplyRec", "Exit"}));
    EXPECT_EQ(Boxes(w).mid(0, 3), QStringList({"-3", "00", "00"}));
    EXPECT_TRUE(w.Option4->isChecked());
    t.Click("NextRec");
    EXPECT_EQ(w.CurrentIndex, 2);

    // The buttons without a key (更新, 列印) only refresh.
    w.txtExplanation->setText("typed");
    w.tbrTool_ButtonClick(w.Buttons[14]);
    EXPECT_EQ(w.txtExplanation->text(), "Harbour");
    EXPECT_EQ(DialogResult, 0);
}

TEST_F(PoiEditor, NewStoresTheTypedPoiAndShowsIt) {
    t.Insert("Station");
    t.Insert("Gap");
    t.Insert("Depot");
    frmPOI& w = t.Load();
    t.Answer(MessageBox::Yes);
    t.Click("NextRec");
    t.Click("DelRec");  // keys 1 and 3 remain: a gap before the new key 4

    t.Click("NewRec");
    EXPECT_EQ(Boxes(w), QStringList(6, ""));
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_EQ(w.Panel(2)->text(), t.Lang("0010"));
    EXPECT_EQ(Enabled(w), QStringList({"CancelRec", "WriteRec"}));
    EXPECT_TRUE(w.FraRec->isEnabled());

    // Typed as a user types it: Tab runs along each row, then to the kind.
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.txtExplanation->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "  Harbour  ");
    for (const char* part : {"120", "41", "05", "24", "06", "23"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), part);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.Option1);
    w.Option3->setChecked(true);
    DialogResult = 0;
    t.Click("WriteRec");
    EXPECT_EQ(w.EditMode, "");
    EXPECT_EQ(DialogResult, 1);
    ASSERT_EQ(w.PoiList.UBound(), 3);
    EXPECT_EQ(w.CurrentIndex, 2) << "the new POI is shown, whatever gaps the keys have";
    const PoiRecord& r = w.PoiList[2];
    EXPECT_EQ(r.Explanation, "Harbour");
    EXPECT_EQ(r.Kind, "3");
    EXPECT_DOUBLE_EQ(r.X, 120.684722);
    EXPECT_DOUBLE_EQ(r.Y, 24.106388);
    EXPECT_EQ(w.txtExplanation->text(), "Harbour");
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "3/3");

    // Cancel brings the shown record back.
    t.Click("NewRec");
    w.txtExplanation->setText("half typed");
    t.Click("CancelRec");
    EXPECT_EQ(w.txtExplanation->text(), "Harbour");
    EXPECT_EQ(Enabled(w).first(), "NewRec");
}

TEST_F(PoiEditor, SaveRefusesABadEntryAndStaysEditing) {
    frmPOI& w = t.Load();
    t.Click("NewRec");
    Type(w, "", {"120", "", "05", "24", "06", "23"});
    t.Click("WriteRec");
    ASSERT_EQ(t.boxes->calls.size(), 1);
    EXPECT_EQ(t.boxes->calls[0].text, "Type mismatch") << "the angles are checked before the name";
    EXPECT_EQ(t.boxes->calls[0].style, MessageBox::Critical);

    Type(w, "   ", {"120", "41", "05", "24", "06", "23"});
    t.Click("WriteRec");
    EXPECT_EQ(t.boxes->calls[1].text, t.Lang("0001"));
    EXPECT_EQ(t.boxes->calls[1].title, t.Lang("0002"));
    EXPECT_EQ(t.boxes->calls[1].style, MessageBox::Exclamation);

    w.txtExplanation->setText(QString(51, u'x'));
    t.Click("WriteRec");
    EXPECT_EQ(t.boxes->calls[2].text, t.Lang("0003"));
    // A NUL would cut the database's statement short, a line break (a CR alone too) split the POI's line in the
    // marker file.
    for (const QString& name : {QString("Har") + QChar(0) + "bour", QString("Har\nbour"), QString("Har\rbour")}) {
        w.txtExplanation->setText(name);
        t.Click("WriteRec");
        EXPECT_EQ(t.boxes->calls.last().style, MessageBox::Exclamation);
        EXPECT_TRUE(t.boxes->calls.last().text.contains("cannot be stored"))
            << t.boxes->calls.last().text.toStdString();
    }
    Type(w, "Far", {"1000000000", "0", "0", "24", "06", "23"});  // would come back as 0.000001
    t.Click("WriteRec");
    EXPECT_EQ(t.boxes->calls.last().text, "Overflow");
    EXPECT_EQ(w.EditMode, t.Lang("0004"));
    EXPECT_EQ(w.Panel(2)->text(), t.Lang("0010"));
    EXPECT_EQ(w.PoiList.UBound(), 0);
    EXPECT_EQ(DialogResult, 0);

    Type(w, QString(50, u'x'), {"120", "41", "05", "24", "06", "23"});
    t.Click("WriteRec");
    EXPECT_EQ(w.PoiList.UBound(), 1);
    EXPECT_EQ(t.boxes->calls.size(), 7);
}

TEST_F(PoiEditor, AmendKeepsThePositionAndChangesThatRowAlone) {
    t.Insert("Station");
    t.Insert("Depot", 121, 25, "2");
    t.Insert("West", -73.985, -40.123456);
    frmPOI& w = t.Load();

    // Boxes left as shown give back the stored coordinate, a negative one and one between whole seconds too.
    t.Click("LastRec");
    EXPECT_EQ(Boxes(w), QStringList({"-74", "00", "54", "-41", "52", "36"}));
    t.Click("AmendmentRec");
    w.txtExplanation->setText("West Pier");
    t.Click("WriteRec");
    EXPECT_EQ(w.PoiList[2].Explanation, "West Pier");
    EXPECT_EQ(w.PoiList[2].X, -73.985);
    EXPECT_EQ(w.PoiList[2].Y, -40.123456);

    t.Click("FirstRec");
    t.Click("NextRec");
    t.Click("AmendmentRec");
    EXPECT_EQ(w.Panel(2)->text(), t.Lang("0008"));
    EXPECT_EQ(w.txtExplanation->text(), "Depot");
    w.txtExplanation->setText("Depot O'Neil");
    w.VehicleTxt[4]->setText("30");
    w.Option5->setChecked(true);
    t.Click("WriteRec");
    EXPECT_EQ(w.EditMode, "");
    EXPECT_EQ(DialogResult, 1);
    EXPECT_EQ(w.CurrentIndex, 1);
    EXPECT_EQ(w.PoiList[1].Explanation, "Depot O'Neil");
    EXPECT_DOUBLE_EQ(w.PoiList[1].X, 121.5);
    EXPECT_EQ(w.PoiList[1].Kind, "5");
    EXPECT_EQ(w.PoiList[0].Explanation, "Station");
}

TEST_F(PoiEditor, AmendingAPoiWithAKeyBeyond32767SaysSoAndChangesNothing) {
    {
        AdoConnection raw;
        raw.Open("Data Source=" + PoiDatabasePath(t.folder.Path()) + ";Jet OLEDB:Database Password=7342");
        raw.Execute("INSERT INTO POI (SeqNo, X, Y, Kind, Explanation) VALUES (40000, 1, 2, '1', 'Far')");
        raw.Execute("INSERT INTO POI (SeqNo, X, Y, Kind, Explanation) VALUES (-25536, 3, 4, '1', 'Wrapped')");
        raw.Close();
    }
    frmPOI& w = t.Load();
    ASSERT_EQ(w.PoiList[1].SeqNo, "40000");
    w.CurrentIndex = 1;
    t.Click("AmendmentRec");
    w.txtExplanation->setText("Changed");
    t.Click("WriteRec");
    ASSERT_EQ(t.boxes->calls.size(), 1);
    EXPECT_TRUE(t.boxes->calls[0].text.contains("40000")) << t.boxes->calls[0].text.toStdString();
    EXPECT_EQ(t.boxes->calls[0].style, MessageBox::Critical);
    EXPECT_EQ(w.EditMode, t.Lang("0005"));
    t.Click("CancelRec");
    w.LoadRecords();
    EXPECT_EQ(w.PoiList[0].Explanation, "Wrapped") << "40000 cut to 16 bits is -25536";
    EXPECT_EQ(w.PoiList[1].Explanation, "Far");
    EXPECT_EQ(DialogResult, 0);
}

TEST_F(PoiEditor, DeleteAsksAndShowsTheRecordBefore) {
    for (const char* name : {"A", "B", "C", "Twin", "Twin"}) t.Insert(name);
    frmPOI& w = t.Load();
    t.Answer(MessageBox::No);
    t.Click("DelRec");
    EXPECT_EQ(t.boxes->calls[0].text, t.Lang("0012"));
    EXPECT_EQ(t.boxes->calls[0].title, t.Lang("0013"));
    EXPECT_EQ(t.boxes->calls[0].style, int(MessageBox::Question) | MessageBox::YesNo);
    EXPECT_EQ(w.PoiList.UBound(), 5);
    EXPECT_EQ(DialogResult, 0);

    t.Answer(MessageBox::Yes);
    t.Click("LastRec");
    t.Click("DelRec");  // both Twins go: the position stays within the list
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "3/3");
    EXPECT_EQ(w.txtExplanation->text(), "C");
    t.Click("FirstRec");
    t.Click("NextRec");
    t.Click("DelRec");  // the record before the deleted one shows
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "1/2");
    EXPECT_EQ(w.txtExplanation->text(), "A");
    EXPECT_EQ(DialogResult, 1);
    t.Click("DelRec");  // the first has none before it
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "1/1");
    EXPECT_EQ(w.txtExplanation->text(), "C");
    t.Click("DelRec");
    EXPECT_EQ(w.Panel(1)->text(), t.Lang("0007") + "0/0");
    EXPECT_EQ(w.Panel(2)->text(), t.Lang("0011"));
    EXPECT_EQ(Enabled(w), QStringList({"NewRec", "Exit"}));
    EXPECT_FALSE(w.FraRec->isEnabled());
    EXPECT_EQ(w.txtExplanation->text(), "");
    EXPECT_EQ(Boxes(w), QStringList(6, ""));
}

TEST_F(PoiEditor, SearchFindsPartOfANameFromTheFirstRecord) {
    for (const char* name : {"Depot", "xABCy", "abc again"}) t.Insert(name);
    frmPOI& w = t.Load();
    DialogResult = 1;  // a change made earlier in this session
    t.Search("  abc ");
    EXPECT_EQ(w.CurrentIndex, 1);
    EXPECT_EQ(DialogResult, 1);
    t.Click("LastRec");
    t.Search("abc");
    EXPECT_EQ(w.CurrentIndex, 1) << "every search starts at the first record";

    t.Click("LastRec");
    t.Search(QString());  // cancelled
    EXPECT_EQ(w.CurrentIndex, 2);
    EXPECT_EQ(DialogResult, 1);

    t.Search("nowhere");
    EXPECT_EQ(w.CurrentIndex, 2);
    ASSERT_EQ(t.boxes->calls.size(), 1);
    EXPECT_EQ(t.boxes->calls[0].text, t.Lang("0006"));
    EXPECT_EQ(t.boxes->calls[0].style, MessageBox::Exclamation);

    t.Search("");
    EXPECT_EQ(w.CurrentIndex, 0);

    t.Search("AGAIN");
    EXPECT_EQ(w.CurrentIndex, 2) << "a name in lower case is found by upper-case text";
}

TEST_F(PoiEditor, AListThatCannotBeLoadedEndsTheProgramButATableBeyondTheListOpensWithItsFirstRows) {
    DBLib().CloseConnection();
    frmPOI w(t.folder.Path());
    EXPECT_EQ(w.exec(), 0);
    EXPECT_EQ(t.programEnds, 1);
    ASSERT_EQ(t.boxes->calls.size(), 1);
    EXPECT_EQ(t.boxes->calls[0].style, MessageBox::Critical);
    EXPECT_FALSE(w.isVisible());

    // More rows than the list holds, written by another program: the first 32767 are listed and it is said once,
    // so that the user can delete rows; a POI added past the limit is refused.
    DBLib().OpenConnection(PoiDatabasePath(t.folder.Path()));
    FillPoiTable(PoiDatabasePath(t.folder.Path()), 32768);
    t.Answer(MessageBox::Yes);
    frmPOI& full = t.Load();
    EXPECT_EQ(t.programEnds, 1);
    ASSERT_EQ(t.boxes->calls.size(), 1);
    EXPECT_EQ(t.boxes->calls[0].style, MessageBox::Exclamation);
    EXPECT_TRUE(t.boxes->calls[0].text.contains("only the first 32767")) << t.boxes->calls[0].text.toStdString();
    ASSERT_EQ(full.PoiList.UBound(), 32767);
    EXPECT_EQ(full.Panel(1)->text(), t.Lang("0007") + "1/32767");

    t.Click("NewRec");
    Type(full, "One more", {"120", "41", "05", "24", "06", "23"});
    t.Click("WriteRec");
    EXPECT_TRUE(t.boxes->calls.last().text.contains("at most 32767")) << t.boxes->calls.last().text.toStdString();
    EXPECT_EQ(full.EditMode, t.Lang("0004"));
    t.Click("CancelRec");

    t.Click("DelRec");
    EXPECT_EQ(t.boxes->calls.size(), 3) << "the notice is not repeated";
    ASSERT_EQ(full.PoiList.UBound(), 32767);
    EXPECT_EQ(full.PoiList[32766].Explanation, "POI number 32767") << "the row left out before";
    EXPECT_EQ(DialogResult, 1);
}
