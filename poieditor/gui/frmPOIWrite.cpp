// Save: the typed POI checked, converted and stored.
#include <QLineEdit>
#include <QRadioButton>

#include "common/Blanks.h"
#include "common/ErrorText.h"
#include "common/Shared.h"
#include "platform/gui/MessageBox.h"
#include "poidb/clsDBLib.h"
#include "poieditor/DegreeEntry.h"
#include "poieditor/PoiEntry.h"
#include "poieditor/gui/frmPOI.h"

void frmPOI::WriteRecord() {
    try {
        const QString name = TrimBlanks(txtExplanation->text());
        // Both angles first: a box that holds no number is reported even when the name is missing too.
        const double x = ConvertDegreeEntry(VehicleTxt[3]->text(), VehicleTxt[4]->text(), VehicleTxt[5]->text());
        const double y = ConvertDegreeEntry(VehicleTxt[6]->text(), VehicleTxt[7]->text(), VehicleTxt[8]->text());
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
