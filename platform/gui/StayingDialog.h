#pragma once
#include <QDialog>

// A pop-up that only what opened it takes down: Escape and a close request, which a dialog turns into a rejection,
// leave it up. The splash goes with its timer, the wait box and the working notice with the work they stand for;
// a wait box gone early would leave that work running with no Stop button.
class StayingDialog : public QDialog {
public:
    using QDialog::QDialog;
    void reject() override {}
};
