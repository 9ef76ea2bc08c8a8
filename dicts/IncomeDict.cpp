#include "dicts/IncomeDict.h"

#include "dicts/DictError.h"
#include "dicts/TextUtil.h"
#include "platform/XmlDom.h"

#include <charconv>
#include <cstring>

namespace velmar {

extern const unsigned char kIncomeDictResourceBytes[];
extern const std::size_t kIncomeDictResourceBytesSize;

namespace {

constexpr std::string_view kBuiltInName = "встроенный справочник кодов доходов";

bool isTrue(const XmlElement& element, std::string_view attribute) {
    return element.attribute(attribute) == std::string("True");
}

// Whole or decimal roubles ("12000", "12000.00", "12000,5"); none for anything
// else, a negative amount included.
std::optional<Currency> parseRoubles(std::string_view text) {
    text = trimText(text);
    const char separator = text.find(',') != std::string_view::npos ? ',' : '.';
    if (text.starts_with('-') || text.starts_with('+'))
        return std::nullopt;
    return Currency::parse(text, separator);
}

// A blank text is 0; anything else must be a whole number.
std::optional<int> parseWholeOrBlank(std::string_view text) {
    text = trimText(text);
    if (text.empty())
        return 0;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

DictError badEntry(std::string_view source, std::string_view what, std::string_view code) {
    return DictError("Справочник кодов доходов (" + std::string(source) + "): " + std::string(what) + " у кода \""
                     + std::string(code) + "\"");
}

DeductionCodeEntry readDeduction(const XmlElement& element, std::string_view source) {
    DeductionCodeEntry entry;
    entry.code = element.attributeText("Code");
    entry.name = element.attributeText("Name");
    auto percent = parseWholeOrBlank(element.attributeText("Stav"));
    if (!percent || *percent < 0 || *percent > 100)
        throw badEntry(source, "неверный процент вычета", entry.code);
    entry.percent = *percent;
    entry.visible = isTrue(element, "Visible");
    entry.enabled = isTrue(element, "Enabled");
    entry.equivalent = isTrue(element, "Equivalent");
    const std::string maxSum = element.attributeText("MaxSum");
    if (trimText(maxSum).empty()) {
        entry.maxSum = Currency();
    } else if (auto units = parseRoubles(maxSum)) {
        entry.maxSum = *units;
    } else {
        throw badEntry(source, "неверная предельная сумма вычета", entry.code);
    }
    return entry;
}

} // namespace

std::string_view incomeDictResourceText() {
    const char* text = reinterpret_cast<const char*>(kIncomeDictResourceBytes);
    return std::string_view(text, strnlen(text, kIncomeDictResourceBytesSize));
}

IncomeDict IncomeDict::loadBuiltIn() { return parse(incomeDictResourceText(), kBuiltInName); }

IncomeDict IncomeDict::parse(std::string_view xml, std::string_view sourceName) {
    IncomeDict dict;
    try {
        XmlDocument doc = XmlDocument::parseMemory(xml, sourceName);
        XmlElement root = doc.root();
        if (root.name() != "IncomeDict")
            throw DictError("Справочник кодов доходов (" + std::string(sourceName) + "): корневой элемент \""
                            + root.name() + "\" вместо \"IncomeDict\"");
        for (const XmlElement& incomeElement : root.childElements()) {
            if (incomeElement.name() != "Income")
                continue;
            IncomeCodeEntry income;
            income.code = incomeElement.attributeText("Code");
            income.stav = incomeElement.attributeText("Stav");
            income.name = incomeElement.attributeText("Name");
            income.saleDate = isTrue(incomeElement, "SaleDate");
            income.nRez13 = isTrue(incomeElement, "NRez13");
            if (!parseWholeOrBlank(income.stav))
                throw badEntry(sourceName, "неверная ставка", income.code);
            for (const XmlElement& deductionElement : incomeElement.childElements())
                if (deductionElement.name() == "Deduction")
                    income.deductions.push_back(readDeduction(deductionElement, sourceName));
            dict.incomes_.push_back(std::move(income));
        }
    } catch (const XmlError& e) {
        throw DictError(e.what());
    }
    return dict;
}

const IncomeCodeEntry* IncomeDict::findIncome(std::string_view code) const {
    for (const IncomeCodeEntry& income : incomes_)
        if (income.code == code)
            return &income;
    return nullptr;
}

namespace {

IncomeCodeChoice choiceOf(const IncomeCodeEntry& income) {
    return IncomeCodeChoice{income.code, income.name, parseWholeOrBlank(income.stav).value_or(0),
                            !income.deductions.empty()};
}

// A non-resident may claim only expenses on securities (codes "20x") and the
// deductions from gifts, prizes and aid (codes "5xx"), or none.
bool allowedForNonResident(std::string_view deductionCode) {
    return deductionCode == "0" || deductionCode.starts_with("20") || deductionCode.starts_with("5");
}

} // namespace

IncomeCodeList incomeCodeList(const IncomeDict& dict, std::string_view currentCode, std::string_view rateFilter,
                              bool nonResidentOnly) {
    IncomeCodeList list;
    for (const IncomeCodeEntry& income : dict.incomes()) {
        if (!rateFilter.empty()) {
            if (income.stav != rateFilter)
                continue;
            if (nonResidentOnly && !income.nRez13)
                continue;
        }
        list.rows.push_back(choiceOf(income));
    }
    list.current = findRowOrFirst(list.rows, currentCode);
    return list;
}

std::optional<IncomeCodeChoice> incomeCodeChoice(const IncomeDict& dict, std::string_view code) {
    if (const IncomeCodeEntry* income = dict.findIncome(code))
        return choiceOf(*income);
    return std::nullopt;
}

DeductionCodeList deductionCodeList(const IncomeDict& dict, std::string_view incomeCode, std::string_view currentCode,
                                    bool resident) {
    DeductionCodeList list;
    if (const IncomeCodeEntry* income = dict.findIncome(incomeCode)) {
        for (const DeductionCodeEntry& deduction : income->deductions)
            if (resident || allowedForNonResident(deduction.code))
                list.rows.push_back(deduction);
    }
    list.current = findRowOrFirst(list.rows, currentCode);
    return list;
}

std::optional<DeductionCodeEntry> deductionCodeChoice(const IncomeDict& dict, std::string_view incomeCode,
                                                      std::string_view deductionCode) {
    if (const IncomeCodeEntry* income = dict.findIncome(incomeCode))
        for (const DeductionCodeEntry& deduction : income->deductions)
            if (deduction.code == deductionCode)
                return deduction;
    return std::nullopt;
}

Currency percentOfAmount(Currency amount, int percent) {
    // amount × percent is in hundredths of a unit; 10 000 of those make a kopeck.
    const __int128 scaled = static_cast<__int128>(amount.units()) * percent;
    constexpr __int128 kPerKopeck = 100 * Currency::kUnitsPerKopeck;
    const __int128 kopecks = scaled >= 0 ? (scaled + kPerKopeck / 2) / kPerKopeck : scaled / kPerKopeck;
    return Currency::fromKopecks(static_cast<int64_t>(kopecks));
}

namespace {

Currency capAtMaxSum(const DeductionCodeEntry& deduction, Currency amount) {
    // MaxSum 0 means the deduction has no limit, never a limit of zero.
    if (!deduction.maxSum.isZero() && amount > deduction.maxSum)
        return deduction.maxSum;
    return amount;
}

} // namespace

std::optional<Currency> deductionAmountOnChoice(const DeductionCodeEntry& deduction, std::optional<Currency> income) {
    if (deduction.percent != 0)
        return percentOfAmount(income.value_or(Currency()), deduction.percent);
    if (deduction.equivalent)
        return capAtMaxSum(deduction, income.value_or(Currency()));
    return std::nullopt;
}

std::optional<Currency> deductionAmountForIncome(const DeductionCodeEntry& deduction, std::optional<Currency> income,
                                                 std::optional<Currency> typedDeduction) {
    std::optional<Currency> amount;
    if (deduction.percent != 0)
        amount = percentOfAmount(income.value_or(Currency()), deduction.percent);
    else if (deduction.equivalent)
        amount = income.value_or(Currency());
    else
        amount = typedDeduction;
    if (!amount)
        return std::nullopt;
    const Currency capped = capAtMaxSum(deduction, *amount);
    if (capped.isZero())
        return std::nullopt;
    return capped;
}

Currency capTypedDeductionAmount(const DeductionCodeEntry& deduction, Currency typed) {
    if (deduction.enabled && !deduction.maxSum.isZero() && typed >= deduction.maxSum)
        return deduction.maxSum;
    return typed;
}

} // namespace velmar
