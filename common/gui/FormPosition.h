#pragma once
#include <QString>

class QLineEdit;
class QWidget;

// A window's state and bounds kept in the settings file between runs, one key per window: the text
// "state,left,top,width,height," with state 0 (normal) or 2 (maximized) and the bounds in twips. Nothing here
// reports a failure: a missing or malformed value leaves the window as far as the last step that worked.

// With no stored value, only a DefaultWidth above 0 resizes the window (to DefaultWidth by DefaultHeight, where it
// stands); with one, the window takes the stored state and then the stored bounds, which a maximized window ignores.
void RestoreFormPosition(QWidget* frm, const QString& programFolder, const QString& section, const QString& key,
                         float defaultWidth, float defaultHeight);

// Called as the window closes. A maximized window carries over the bounds of the last save, normally its last normal
// ones, rather than the whole screen; a minimized window writes nothing.
void SaveFormPosition(QWidget* frm, const QString& programFolder, const QString& section, const QString& key);

// Selects the whole text, so typing replaces it.
void SelectAllText(QLineEdit* ctl);
