#pragma once
// Standard deductions of a resident for the year (Tax Code art. 218, 2015
// wording): the taxpayer's own deduction and the deductions for children,
// month by month.
#include "model/DeclClasses.h"

#include <array>

namespace velmar {

struct kTSvodSumPrilE1 {
    int32_t MonthsUnderLimit = 0;   // КолМесНеПрев
    std::array<Currency, 12> MonthIncome{};       // income of each month, January first
    std::array<Currency, 12> CumulativeIncome{};  // income from 1 January to the end of each month
    Currency Own3000;               // ВычСт218.1.1
    Currency Own500;                // ВычСт218.1.2
    Currency Child;                 // ВычСтРеб
    Currency ChildDouble;           // ВычСтРебЕд
    Currency ChildDisabled;         // ВычСтРебИнв
    Currency ChildDisabledDouble;   // ВычСтРебИнвЕд
    Currency Total;                 // ОбщВычСтанд

    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilE1{}; }

    bool operator==(const kTSvodSumPrilE1&) const = default;
    template <class V>
    void fields(V& v) const {
        v("MonthsUnderLimit", MonthsUnderLimit);
        v("MonthIncome", MonthIncome); v("CumulativeIncome", CumulativeIncome);
        v("Own3000", Own3000); v("Own500", Own500);
        v("Child", Child); v("ChildDouble", ChildDouble);
        v("ChildDisabled", ChildDisabled); v("ChildDisabledDouble", ChildDisabledDouble);
        v("Total", Total);
    }
};

} // namespace velmar
