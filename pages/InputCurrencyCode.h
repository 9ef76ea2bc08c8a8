#pragma once
// The currency list of the foreign-income page, built each time the page asks
// for it from the rates file loaded at start-up.
#include "dicts/CurrencyRates.h"
#include "pages/DictListDialog.h"

#include <string_view>

namespace velmar {

class TfmInputCurrencyCode : public TDictListDialog {
    Q_OBJECT
public:
    // `rates` may be null (no rates file): the list is then empty. The row of
    // `currentCode` starts selected (an empty code counts as "0"), else the
    // first row.
    TfmInputCurrencyCode(QWidget* parent, std::string_view currentCode, const CurrencyRates* rates);
};

} // namespace velmar
