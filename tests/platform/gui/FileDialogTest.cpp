#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/gui/FileDialog.h"

TEST(FileDialog, ATypeNameThatShowsItsPatternDoesNotGetItTwice) {
    EXPECT_EQ(FileDialog::NameFilters("PaPaGO! (*.txt)|*.txt|MapSource 6.5 (*.trk)|*.trk"),
              QStringList({"PaPaGO! (*.txt)", "MapSource 6.5 (*.trk)"}));
    EXPECT_EQ(FileDialog::NameFilters("Tracks|*.txt|*.csv|*.csv"), QStringList({"Tracks (*.txt)", "*.csv (*.csv)"}));
}

TEST(FileDialog, SavingOverTheFileItPresetsAsksNothing) {
    QTemporaryDir dir;
    QFile earlier(dir.filePath("trail.txt"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.close();
    FileDialog dialog(nullptr);
    dialog.Filter = "PaPaGO! (*.txt)|*.txt";
    dialog.FileName = earlier.fileName();
    bool asked = false;
    QObject scope;  // ends the timers below with the test
    QTimer::singleShot(0, &scope, [&] {
        QPointer<QFileDialog> shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown) return;
        // A question would open over the dialog: it is noted, answered No, and the dialog cancelled.
        QTimer::singleShot(0, &scope, [&, shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                box->done(QMessageBox::No);
                QTimer::singleShot(0, &scope, [shown] {
                    if (shown) shown->reject();
                });
            }
        });
        static_cast<QDialog*>(shown.data())->accept();  // as the Save button does
    });
    EXPECT_EQ(dialog.ShowSave(), earlier.fileName());
    EXPECT_FALSE(asked);
}
