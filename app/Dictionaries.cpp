#include "app/Dictionaries.h"

#include "dicts/DictError.h"
#include "dicts/InspectionNumbers.h"
#include "dicts/Oksm.h"
#include "pages/ImputGrazhd.h"
#include "pages/InputInspectionNumber.h"
#include "platform/qt/ProgramFolder.h"

namespace velmar {

QString InspectionDirectoryProblem(const QString& detail) {
    QString text = QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские. "
                                  "Если это не поможет, напишите в службу поддержки программы: ") +
                   QLatin1String(kSupportEmail) + QLatin1Char('.');
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    text += QStringLiteral("\n\nПрограмма продолжит работу без справочника инспекций.");
    return text;
}

TLoadedDictionaries LoadDictionaries(const DictionaryFolders& folders) {
    TLoadedDictionaries result;
    if (const auto path = locateDictionary(folders, kInspectionNumbersFile)) {
        try {
            // The classifier import writes to the user's data folder, which
            // start-up searches first.
            result.inspections = std::make_unique<TInspectionNumberDirectory>(
                loadInspectionDirectory(*path), importedInspectionDirectoryPath(folders), ProgramFolder());
        } catch (const DictError& e) {
            result.problems << InspectionDirectoryProblem(QString::fromStdString(e.what()));
        }
    }
    if (const auto path = locateDictionary(folders, kOksmFile)) {
        try {
            result.countries = std::make_unique<TCountryDirectory>(loadOksm(*path));
        } catch (const DictError& e) {
            result.problems << QString::fromStdString(e.what());
        }
    }
    return result;
}

} // namespace velmar
