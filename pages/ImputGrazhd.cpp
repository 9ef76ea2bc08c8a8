#include "pages/ImputGrazhd.h"

namespace velmar {

TfmGrazhd::TfmGrazhd(QWidget* parent, const std::vector<CodeName>* countries)
    : TDictListDialog(parent, dictText(kCountryDialogCaption), QStringLiteral("lvGrazhd"), dictText(kCountryCodeColumn),
                      dictText(kCountryNameColumn)),
      countries_(countries) {
    SetRows(countries_ ? *countries_ : std::vector<CodeName>{});
}

void TfmGrazhd::Preselect(std::string_view code) {
    SelectRow(countries_ ? preselectCountry(*countries_, code) : std::nullopt);
}

TCountryDirectory::~TCountryDirectory() { delete dialog_.data(); }

std::optional<QString> TCountryDirectory::Choose(QWidget* parent, const QString& current) {
    if (!dialog_)
        dialog_ = new TfmGrazhd(parent ? parent->window() : nullptr, &countries_);
    dialog_->Preselect(current.toStdString());
    if (dialog_->exec() != QDialog::Accepted || !dialog_->ChosenRow())
        return std::nullopt;
    return dialog_->Code();
}

} // namespace velmar
