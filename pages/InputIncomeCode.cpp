#include "pages/InputIncomeCode.h"

namespace velmar {

namespace {

// The two columns a code list shows, from entries that carry a code and a name.
template <class Entry>
std::vector<CodeName> codeNameRows(const std::vector<Entry>& entries) {
    std::vector<CodeName> rows;
    rows.reserve(entries.size());
    for (const Entry& entry : entries)
        rows.push_back(CodeName{entry.code, entry.name});
    return rows;
}

} // namespace

TfmInputIncomeCode::TfmInputIncomeCode(QWidget* parent, const IncomeDict& dict, std::string_view currentCode,
                                       std::string_view rateFilter, bool nonResidentOnly)
    : TDictListDialog(parent, dictText(kIncomeCodeDialogCaption), QStringLiteral("lvIncomeCodes"),
                      dictText(kCodeColumn), dictText(kIncomeCodeNameColumn)) {
    IncomeCodeList list = incomeCodeList(dict, currentCode, rateFilter, nonResidentOnly);
    choices_ = std::move(list.rows);
    SetRows(codeNameRows(choices_));
    SelectRow(list.current);
}

std::optional<IncomeCodeChoice> TfmInputIncomeCode::Choice() const {
    if (const auto row = ChosenRow())
        return choices_.at(*row);
    return std::nullopt;
}

TfmInputDeductCode::TfmInputDeductCode(QWidget* parent, const IncomeDict& dict, std::string_view incomeCode,
                                       std::string_view currentCode, bool resident)
    : TDictListDialog(parent, dictText(kDeductCodeDialogCaption), QStringLiteral("lvDeductCodes"),
                      dictText(kCodeColumn), dictText(kDeductCodeNameColumn)) {
    DeductionCodeList list = deductionCodeList(dict, incomeCode, currentCode, resident);
    choices_ = std::move(list.rows);
    SetRows(codeNameRows(choices_));
    SelectRow(list.current);
}

std::optional<DeductionCodeEntry> TfmInputDeductCode::Choice() const {
    if (const auto row = ChosenRow())
        return choices_.at(*row);
    return std::nullopt;
}

} // namespace velmar
