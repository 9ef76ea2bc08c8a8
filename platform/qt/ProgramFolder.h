#pragma once
// Where the program's own files are: beside the executable (a build tree, or
// a copy of the program folder), then the installed data folder.
#include <QString>
#include <QStringList>

namespace velmar {

// The folder of the executable, with a trailing "/".
QString ProgramFolder();

// Folders searched for the data files, in order.
QStringList DataFolders();

// The first existing file of that name in the data folders; empty when none.
QString FindDataFile(const QString& name);

} // namespace velmar
