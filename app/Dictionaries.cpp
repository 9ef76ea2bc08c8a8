#include "app/Dictionaries.h"

#include "platform/qt/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

// The readers of the dictionary files come with the dictionaries library;
// a build without it starts without directories.
#if defined(VELMAR_HAVE_DICTS) && __has_include("dicts/InspectionNumbers.h") && __has_include("dicts/Oksm.h")
#define VELMAR_READ_DICTIONARIES 1
#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "dicts/InspectionNumbers.h"
#include "dicts/Oksm.h"
#include "pages/ImputGrazhd.h"
#include "pages/InputInspectionNumber.h"
#endif

#include <filesystem>

namespace velmar {
namespace {

QString findIn(const QStringList& folders, const char* name) {
    for (const QString& folder : folders) {
        QFileInfo info(QString(folder).append(QLatin1String(name)));
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return {};
}

#ifdef VELMAR_READ_DICTIONARIES
// Where the classifier import writes the directory: the user's data folder,
// which start-up searches first.
std::filesystem::path importedDirectoryPath() {
    return importedInspectionDirectoryPath(
        dictionaryFoldersFor(std::filesystem::path(QFile::encodeName(ProgramFolder()).toStdString())));
}
#endif

} // namespace

QString InspectionDirectoryProblem(const QString& detail) {
    QString text = QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские. "
                                  "Если это не поможет, напишите в службу поддержки программы: ") +
                   QLatin1String(kSupportEmail) + QLatin1Char('.');
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    text += QStringLiteral("\n\nПрограмма продолжит работу без справочника инспекций.");
    return text;
}

TLoadedDictionaries LoadDictionaries(const QStringList& folders) {
    TLoadedDictionaries result;
    const QString inspections = findIn(folders, "InspectionNumbers.xml");
    const QString countries = findIn(folders, "Oksm.xml");
#ifdef VELMAR_READ_DICTIONARIES
    if (!inspections.isEmpty()) {
        try {
            InspectionDirectory directory =
                loadInspectionDirectory(std::filesystem::path(QFile::encodeName(inspections).toStdString()));
            result.inspections = std::make_unique<TInspectionNumberDirectory>(std::move(directory),
                                                                              importedDirectoryPath(), ProgramFolder());
        } catch (const DictError& e) {
            result.problems << InspectionDirectoryProblem(QString::fromStdString(e.what()));
        }
    }
    if (!countries.isEmpty()) {
        try {
            result.countries = std::make_unique<TCountryDirectory>(
                loadOksm(std::filesystem::path(QFile::encodeName(countries).toStdString())));
        } catch (const DictError& e) {
            result.problems << QString::fromStdString(e.what());
        }
    }
#else
    Q_UNUSED(inspections);
    Q_UNUSED(countries);
#endif
    return result;
}

} // namespace velmar
