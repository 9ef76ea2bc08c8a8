#pragma once
// The help file of the program, "Velm2015.chm", shown by the desktop's viewer
// for that kind of file.
#include <QString>

namespace velmar {

inline constexpr const char* kHelpFileName = "Velm2015.chm";

// Path of the help file among the data folders; empty when it is missing.
QString HelpFilePath();

// Asks the desktop to show the help file; false when it could not be handed over.
bool OpenHelpFile(const QString& path);

} // namespace velmar
