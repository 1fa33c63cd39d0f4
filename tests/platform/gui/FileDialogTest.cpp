#include <gtest/gtest.h>

#include "platform/gui/FileDialog.h"

TEST(FileDialog, ATypeNameThatShowsItsPatternDoesNotGetItTwice) {
    EXPECT_EQ(FileDialog::NameFilters("PaPaGO! (*.txt)|*.txt|MapSource 6.5 (*.trk)|*.trk"),
              QStringList({"PaPaGO! (*.txt)", "MapSource 6.5 (*.trk)"}));
    EXPECT_EQ(FileDialog::NameFilters("Tracks|*.txt|*.csv|*.csv"), QStringList({"Tracks (*.txt)", "*.csv (*.csv)"}));
}
