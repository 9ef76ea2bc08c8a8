#pragma once
// The user's display settings, kept under "Ortivex/Velmar 2015" in the
// desktop's settings store.
#include <QRect>

namespace velmar {

struct TDisplaySettings {
    bool ShowStdToolbar = true;
    bool TextLabels = true;
};

// Each value reads as true when it (or the whole key) is missing.
TDisplaySettings ReadDisplaySettings();
void WriteShowStdToolbar(bool value);
void WriteTextLabels(bool value);
// Written when the main window goes away; nothing reads them back.
void WriteWindowPlacement(bool fullScreen, const QRect& geometry);

} // namespace velmar
