#pragma once
// The dictionary files, loaded once at start-up: the tax-office directory and
// the countries become the pick-list dialogs the main window keeps for the
// whole run. Each file is optional: without it the feature that needs it stays
// unavailable.
#include "dicts/DictionaryFiles.h"
#include "pages/PageServices.h"

#include <QStringList>

#include <memory>

namespace velmar {

struct TLoadedDictionaries {
    std::unique_ptr<TCodeDirectory> inspections; // "InspectionNumbers.xml"
    std::unique_ptr<TCodeDirectory> countries;   // "Oksm.xml"
    // Messages about files that exist but could not be read; the program goes
    // on without them.
    QStringList problems;
};

TLoadedDictionaries LoadDictionaries(const DictionaryFolders& folders);

// Shown when the tax-office directory is there but cannot be read: its names
// need the Russian system settings.
QString InspectionDirectoryProblem(const QString& detail);

// The address of the support line named in that message.
inline constexpr const char* kSupportEmail = "support@velmar.example";

} // namespace velmar
