#include "compute/AmountGuard.h"

#include <optional>
#include <type_traits>
#include <vector>

namespace velmar {

EAmountsTooLarge::EAmountsTooLarge()
    : std::range_error("Суммы декларации слишком велики для расчета") {}

namespace {

// Adds up the magnitude of every amount it visits, in 128 bits so that the
// adding itself cannot overflow.
class MagnitudeSum {
public:
    void operator()(const char*, Currency amount) { add(amount); }
    void operator()(const char*, const std::optional<Currency>& amount) {
        if (amount)
            add(*amount);
    }
    template <size_t N>
    void operator()(const char*, const std::array<Currency, N>& amounts) {
        for (Currency amount : amounts)
            add(amount);
    }
    template <size_t N>
    void operator()(const char*, const std::array<std::optional<Currency>, N>& amounts) {
        for (const auto& amount : amounts)
            if (amount)
                add(*amount);
    }
    void operator()(const char*, const std::vector<Currency>& amounts) {
        for (Currency amount : amounts)
            add(amount);
    }
    // Texts, codes, counts and dates carry no money.
    template <class T>
    void operator()(const char*, const T&) {}

    // Records whose field lists are written for reading and writing alike;
    // this visitor only reads.
    template <class Record>
    void visit(const Record& record) {
        const_cast<Record&>(record).fields(*this);
    }

    void add(Currency amount) {
        const __int128 units = amount.units();
        total_ += units < 0 ? -units : units;
    }
    bool within(Currency limit) const { return total_ <= limit.units(); }

private:
    __int128 total_ = 0;
};

template <class List, class Each>
void forEach(const List& list, Each each) {
    for (size_t i = 0; i < list.Count(); ++i)
        each(list.Item(i));
}

} // namespace

void CheckComputableAmounts(const mTDeclaration& decl) {
    MagnitudeSum sum;
    sum.visit(decl);
    auto withItems = [&](const auto& source) {
        sum.visit(source);
        for (const auto& item : source.Incomes.items())
            sum.visit(item);
    };
    forEach(decl.Sources13, withItems);
    forEach(decl.Sources13NR, withItems);
    forEach(decl.InvestPartnerships, withItems);
    auto plain = [&](const auto& record) { sum.visit(record); };
    forEach(decl.Sources35, plain);
    forEach(decl.DividendSources, plain);
    forEach(decl.Sources9, plain);
    forEach(decl.CurrencyIncomes, plain);
    forEach(decl.Businesses, plain);
    sum.visit(*decl.Standard);
    sum.visit(*decl.Social);
    for (const auto& contract : decl.Social->Pensions)
        sum.visit(*contract);
    sum.visit(*decl.Property);
    for (const auto& object : decl.Property->Objects)
        sum.visit(*object);
    sum.visit(*decl.Securities);
    if (!sum.within(kComputableAmountsTotal))
        throw EAmountsTooLarge();
}

} // namespace velmar
