#pragma once
// The income and deduction code dictionary built into the program: income
// codes with their tax rate and, under each, the deduction (expense) codes
// allowed with it and the attributes that drive the deduction-amount field.
//
// Every dialog that needs it loads its own copy (IncomeDict::loadBuiltIn());
// the lists and choices below are plain functions over that copy.
#include "dicts/CodeList.h"
#include "model/Currency.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct DeductionCodeEntry {
    std::string code;     // "0" is the entry "Не предоставлять вычет"
    std::string name;
    int percent = 0;      // share of the income the deduction amounts to; 0 = none
    bool visible = false; // the amount field is shown
    bool enabled = false; // the amount may be typed; otherwise it is computed
    bool equivalent = false;   // the amount defaults to the income amount
    Currency maxSum;           // upper limit of the amount; 0 = no limit
};

struct IncomeCodeEntry {
    std::string code;
    std::string stav;     // rate as written: "13", "9", "35", "14" or "99"
    std::string name;
    bool saleDate = false; // income from a sale of property or securities
    bool nRez13 = false;   // allowed on the non-resident 13% page
    std::vector<DeductionCodeEntry> deductions;
};

class IncomeDict {
public:
    // The dictionary compiled into the program. Throws DictError only if the
    // built-in text is damaged, which the tests rule out.
    static IncomeDict loadBuiltIn();
    // Parses a dictionary text (UTF-8 or with its own encoding declaration).
    // Throws DictError naming what is wrong.
    static IncomeDict parse(std::string_view xml, std::string_view sourceName);

    const std::vector<IncomeCodeEntry>& incomes() const { return incomes_; }
    // The first income entry with that code, or nullptr.
    const IncomeCodeEntry* findIncome(std::string_view code) const;

private:
    std::vector<IncomeCodeEntry> incomes_;
};

// The built-in dictionary text, up to its first NUL.
std::string_view incomeDictResourceText();

// ---- Income code dialog -------------------------------------------------

struct IncomeCodeChoice {
    std::string code;
    std::string name;
    int rate = 0;              // the rate as an integer; 0 when blank
    bool hasDeductions = false; // the income entry lists deduction codes
};

struct IncomeCodeList {
    std::vector<IncomeCodeChoice> rows;
    std::optional<std::size_t> current; // row to select and focus; none only when empty
};

// Rows of the income code dialog in dictionary order. With a rate filter only
// the codes of that rate (compared as text), and with `nonResidentOnly` also
// only those allowed on the non-resident 13% page; without a rate filter every
// code. The row of `currentCode` starts selected, else the first row.
IncomeCodeList incomeCodeList(const IncomeDict& dict, std::string_view currentCode,
                              std::string_view rateFilter, bool nonResidentOnly);

// What choosing an income code hands back; none when the code is not listed.
std::optional<IncomeCodeChoice> incomeCodeChoice(const IncomeDict& dict, std::string_view code);

// ---- Deduction code dialog ----------------------------------------------

struct DeductionCodeList {
    std::vector<DeductionCodeEntry> rows;
    std::optional<std::size_t> current; // row to select and focus; none only when empty
};

// Rows of the deduction code dialog: the deductions of the first income entry
// with `incomeCode`, in dictionary order. For a non-resident only the codes
// beginning with "20" or "5", and "0". The row of `currentCode` starts
// selected, else the first row. An income code without deductions, or one not
// in the dictionary, gives no rows.
DeductionCodeList deductionCodeList(const IncomeDict& dict, std::string_view incomeCode,
                                    std::string_view currentCode, bool resident);

// The attributes of a deduction code under an income code; none when the
// income code does not list it (an item restored from a file may carry a code
// the dictionary no longer allows).
std::optional<DeductionCodeEntry> deductionCodeChoice(const IncomeDict& dict, std::string_view incomeCode,
                                                      std::string_view deductionCode);

// ---- Deduction amount ---------------------------------------------------
// An empty amount field is nullopt; a zero amount is 0. Callers that do not
// use the percentage (the 35% source dialog) pass an entry with percent 0.

// The amount set when a deduction code is chosen: the percentage of the income
// (rounded half up to kopecks) when there is one; else, for an Equivalent code,
// the income capped at MaxSum; else empty. An empty income counts as 0 for the
// first two rules.
std::optional<Currency> deductionAmountOnChoice(const DeductionCodeEntry& deduction, std::optional<Currency> income);

// The amount after the income amount has been typed: the percentage rule, else
// the Equivalent rule, else the amount the user typed; then capped at MaxSum.
// A zero result is shown as an empty field.
std::optional<Currency> deductionAmountForIncome(const DeductionCodeEntry& deduction, std::optional<Currency> income,
                                                 std::optional<Currency> typedDeduction);

// A typed amount of MaxSum or more becomes MaxSum when the amount may be typed
// and there is a limit.
Currency capTypedDeductionAmount(const DeductionCodeEntry& deduction, Currency typed);

// amount × percent / 100, rounded half up to whole kopecks (a negative result
// is truncated toward zero, as the program rounds everywhere).
Currency percentOfAmount(Currency amount, int percent);

} // namespace velmar
