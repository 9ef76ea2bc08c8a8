#pragma once
// Income at 13% received in the Russian Federation: a resident's sources,
// dividends and investment partnerships, or a non-resident's 13% sources.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilA13 {
    Currency TotalIncome;    // total income of the counted sources
    Currency TaxWithheld;    // total tax withheld by the sources
    Currency TaxComputed;    // total tax computed
    Currency TaxableIncome;  // total taxable income
    Currency DividendIncome; // taxable amount of the resident's dividend sources
    Currency DividendTax;    // tax computed on those dividends
    Currency FixedAdvance;   // fixed advance payments under a patent

    // Totals the sources and gives each its kind-of-income code.
    bool Compute(mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilA13{}; }

    bool operator==(const kTSvodSumPrilA13&) const = default;
    template <class V>
    void fields(V& v) const {
        v("TotalIncome", TotalIncome); v("TaxWithheld", TaxWithheld);
        v("TaxComputed", TaxComputed); v("TaxableIncome", TaxableIncome);
        v("DividendIncome", DividendIncome); v("DividendTax", DividendTax);
        v("FixedAdvance", FixedAdvance);
    }
};

} // namespace velmar
