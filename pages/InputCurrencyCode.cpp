#include "pages/InputCurrencyCode.h"

namespace velmar {

TfmInputCurrencyCode::TfmInputCurrencyCode(QWidget* parent, std::string_view currentCode, const CurrencyRates* rates)
    : TDictListDialog(parent, dictText(kCurrencyDialogCaption), QStringLiteral("lvCurrencys"),
                      dictText(kCurrencyCodeColumn), dictText(kCurrencyNameColumn)) {
    const std::vector<CodeName> rows = currencyRows(rates);
    SetRows(rows);
    SelectRow(preselectCurrency(rows, currentCode));
}

} // namespace velmar
