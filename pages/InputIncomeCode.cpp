#include "pages/InputIncomeCode.h"

namespace velmar {

TfmInputIncomeCode::TfmInputIncomeCode(QWidget* parent, const IncomeDict& dict, std::string_view currentCode,
                                       std::string_view rateFilter, bool nonResidentOnly)
    : TDictListDialog(parent, dictText(kIncomeCodeDialogCaption), QStringLiteral("lvIncomeCodes"),
                      dictText(kCodeColumn), dictText(kIncomeCodeNameColumn)) {
    IncomeCodeList list = incomeCodeList(dict, currentCode, rateFilter, nonResidentOnly);
    choices_ = std::move(list.rows);
    std::vector<CodeName> rows;
    rows.reserve(choices_.size());
    for (const IncomeCodeChoice& choice : choices_)
        rows.push_back(CodeName{choice.code, choice.name});
    SetRows(rows);
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
    std::vector<CodeName> rows;
    rows.reserve(choices_.size());
    for (const DeductionCodeEntry& choice : choices_)
        rows.push_back(CodeName{choice.code, choice.name});
    SetRows(rows);
    SelectRow(list.current);
}

std::optional<DeductionCodeEntry> TfmInputDeductCode::Choice() const {
    if (const auto row = ChosenRow())
        return choices_.at(*row);
    return std::nullopt;
}

} // namespace velmar
