#pragma once
// The income code and deduction code lists of the income dialogs, built from
// the dialog's own copy of the built-in code dictionary.
#include "dicts/IncomeDict.h"
#include "pages/DictListDialog.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr std::string_view kIncomeCodeDialogCaption = "Справочник видов доходов";
inline constexpr std::string_view kIncomeCodeNameColumn = "Наименование дохода";
inline constexpr std::string_view kDeductCodeDialogCaption = "Справочник видов вычетов";
inline constexpr std::string_view kDeductCodeNameColumn = "Виды вычетов";
inline constexpr std::string_view kCodeColumn = "Код";

class TfmInputIncomeCode : public TDictListDialog {
    Q_OBJECT
public:
    // The codes of `rateFilter` (every code without a filter; with
    // `nonResidentOnly` only those allowed on the non-resident 13% page). The
    // row of `currentCode` starts selected, else the first row.
    TfmInputIncomeCode(QWidget* parent, const IncomeDict& dict, std::string_view currentCode,
                       std::string_view rateFilter, bool nonResidentOnly);

    // Code, name, rate and whether deductions exist; none while nothing is
    // selected.
    std::optional<IncomeCodeChoice> Choice() const;

private:
    std::vector<IncomeCodeChoice> choices_;
};

class TfmInputDeductCode : public TDictListDialog {
    Q_OBJECT
public:
    // The deductions of `incomeCode`, for a non-resident only those a
    // non-resident may claim. The row of `currentCode` starts selected, else
    // the first row.
    TfmInputDeductCode(QWidget* parent, const IncomeDict& dict, std::string_view incomeCode,
                       std::string_view currentCode, bool resident);

    // The deduction with the attributes that drive the amount field; none
    // while nothing is selected.
    std::optional<DeductionCodeEntry> Choice() const;

private:
    std::vector<DeductionCodeEntry> choices_;
};

} // namespace velmar
