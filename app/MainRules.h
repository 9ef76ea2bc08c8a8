#pragma once
// Decisions of the main window that need no window: titles, the command
// line, the name a save writes, the page-button states, where a problem found
// by the whole-return check is shown, the export's closing message.
#include "pages/PageServices.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace velmar {

inline constexpr const char* kProgramTitle = "Velmar 2015";

// "Без имени - Velmar 2015", or the file name without its folder followed by " - Velmar 2015".
QString WindowTitle(const QString& documentFileName);

// The file named by the program's arguments (without the program itself):
// one or two arguments, the first of which may be "-p" (any case); anything
// else, and a lone "-p", names no file.
QString CommandLineFile(const QStringList& arguments);

// The name a save writes: the last character becomes "5" (a return of an
// earlier year, "r.vx4", is saved as this year's "r.vx5").
QString FiveRuleName(const QString& fileName);

struct TPageButtonStates {
    bool russianIncome = false;
    bool foreignIncome = false;
    bool businessIncome = false;
    bool investTov = false;
    bool deduction = false;
};
TPageButtonStates PageButtonStates(uint8_t incomeKinds, uint8_t returnKind);

// Where the check's page number leads: a page, and for container pages the
// inner page (-1 for a simple page). nullopt for a number no page has.
struct TCheckTarget {
    TPageId page;
    int innerIndex = -1;
    friend bool operator==(const TCheckTarget&, const TCheckTarget&) = default;
};
std::optional<TCheckTarget> CheckTarget(uint16_t pageNumber);

// The export's folder with its trailing separator.
QString FolderWithSeparator(const QString& folder);
// The message after an export: `result` is the file name or "ERROR".
QString ExportMessage(const QString& folder, const QString& result, bool fileExists);

// File dialogs: the open dialog offers the files of earlier years too.
QString OpenFileFilter();
QString SaveFileFilter();
inline constexpr const char* kDefaultSuffix = "vx5";

} // namespace velmar
