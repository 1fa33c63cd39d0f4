// Save: the typed POI checked, converted and stored.
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

#include "common/Blanks.h"
#include "common/ErrorText.h"
#include "common/Shared.h"
#include "platform/gui/MessageBox.h"
#include "poidb/PoiListing.h"
#include "poidb/clsDBLib.h"
#include "poieditor/DegreeEntry.h"
#include "poieditor/PoiEntry.h"
#include "poieditor/gui/frmPOI.h"

namespace {

DegreeBoxes Row(const std::array<QLineEdit*, 9>& boxes, int first) {
    return {boxes[first]->text(), boxes[first + 1]->text(), boxes[first + 2]->text()};
}

}  // namespace

void frmPOI::WriteRecord() {
    try {
        const QString name = TrimBlanks(txtExplanation->text());
        // Both angles first: a box that holds no number is reported even when the name is missing too. While
        // amending, the boxes began with the shown record.
        std::optional<double> shownX, shownY;
        if (EditMode == Text("0005") && CurrentIndex >= 0 && CurrentIndex < PoiList.UBound()) {
            shownX = PoiList[CurrentIndex].X;
            shownY = PoiList[CurrentIndex].Y;
        }
        const double x = ConvertDegreeBoxes(Row(VehicleTxt, 3), shownX);
        const double y = ConvertDegreeBoxes(Row(VehicleTxt, 6), shownY);
        switch (CheckPoiName(name)) {
            case NameCheck::Empty:
                MessageBox::Show(Text("0001"), int(MessageBox::Exclamation) | MessageBox::OkOnly, Text("0002"));
                return;
            case NameCheck::TooLong:
                MessageBox::Show(Text("0003"), int(MessageBox::Exclamation) | MessageBox::OkOnly, Text("0002"));
                return;
            case NameCheck::NotStorable:
                // The database's own complaint about a cut statement would not tell the user what to change.
                MessageBox::Show(QStringLiteral("The name holds a line break or another character that cannot be "
                                                "stored. Remove it and save again."),
                                 int(MessageBox::Exclamation) | MessageBox::OkOnly, Text("0002"));
                return;
            case NameCheck::Ok:
                break;
        }
        QString kind;
        for (int k = 1; k <= 5; ++k)
            if (Option(k)->isChecked()) kind = QString::number(k);

        if (EditMode == Text("0004")) {
            // A row past the lists' limit would be stored where neither list shows it.
            if (PoiListRoom(DBLib()) == 0) {
                MessageBox::Show(QStringLiteral("The POI list holds at most %1 POIs. Delete one before adding another.")
                                     .arg(PoiListLimit),
                                 int(MessageBox::Exclamation) | MessageBox::OkOnly, Text("0002"));
                return;
            }
            const SpareList<PoiRecord> before = PoiList;
            DBLib().InsertCoordinate(x, y, kind, name);
            LoadRecords();
            CurrentIndex = static_cast<int16_t>(NewRecordIndex(before, PoiList));
            RefreshDisplay();
            DialogResult = 1;
        }
        if (EditMode == Text("0005")) {
            const int16_t key = AmendKey(PoiList[CurrentIndex].SeqNo);
            DBLib().UpdateCoordinate(key, x, y, kind, name);
            LoadRecords();
            DialogResult = 1;
        }
        EditMode.clear();
    } catch (const std::exception& e) {
        MessageBox::ShowError(DescriptionOf(e));
    }
}
