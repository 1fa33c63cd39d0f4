#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "MessageBoxRecorder.h"
#include "ProgramFolder.h"
#include "poieditor/gui/frmPOI.h"

// The POI editor on a program folder of its own, over a fresh shared DBLib connection to its empty POI database,
// with message boxes recorded and the program's end caught.
class PoiWindow {
public:
    PoiWindow();
    ~PoiWindow();

    void Insert(const QString& name, double x = 120.5, double y = 24.5, const QString& kind = "1");
    // Makes the window and runs its load step, as exec() does before showing it.
    frmPOI& Load();
    void Click(const QString& key);
    // Answers every following message box with answer.
    void Answer(int answer);
    // Clicks Search and answers the prompt: OK on text, or Cancel when text is null.
    void Search(const QString& text);

    QString Lang(const char* key) const;
    QStringList Boxes() const;  // the texts of the boxes shown so far

    ProgramFolder folder{ProgramFolder::Station};
    std::unique_ptr<MessageBoxRecorder> boxes;
    std::unique_ptr<frmPOI> window;
    int programEnds = 0;
};
