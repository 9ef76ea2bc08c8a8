#include "app/Dictionaries.h"

#include "dicts/DictError.h"
#include "dicts/InspectionNumbers.h"
#include "dicts/Oksm.h"
#include "pages/ImputGrazhd.h"
#include "pages/InputInspectionNumber.h"

#include <QPointer>

namespace velmar {
namespace {

// A dictionary dialog built on first use from the data loaded at start-up and
// kept for the rest of the run.
template <class Dialog, class Data>
class TDialogDirectory : public TCodeDirectory {
public:
    explicit TDialogDirectory(Data data) : data_(std::move(data)) {}
    ~TDialogDirectory() override { delete dialog_.data(); }

    std::optional<QString> Choose(QWidget* parent, const QString& current) override {
        if (!dialog_)
            dialog_ = new Dialog(parent ? parent->window() : nullptr, &data_);
        dialog_->Preselect(current.toStdString());
        if (dialog_->exec() != QDialog::Accepted || !dialog_->ChosenRow())
            return std::nullopt;
        return dialog_->Code();
    }

private:
    Data data_;
    QPointer<Dialog> dialog_;
};

using TInspectionDirectory = TDialogDirectory<TfmInputInspectionNumber, InspectionDirectory>;
using TCountryDirectory = TDialogDirectory<TfmGrazhd, std::vector<CodeName>>;

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

TLoadedDictionaries LoadDictionaries(const DictionaryFolders& folders) {
    TLoadedDictionaries result;
    if (const auto path = locateDictionary(folders, kInspectionNumbersFile)) {
        try {
            result.inspections = std::make_unique<TInspectionDirectory>(loadInspectionDirectory(*path));
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
