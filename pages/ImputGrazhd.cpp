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

} // namespace velmar
