#pragma once
// Result of participation in investment partnerships (Tax Code art. 214.5).
#include "model/DeclClasses.h"

#include <array>

namespace velmar {

// One category of partnership income.
struct PartnershipCategory {
    Currency Income;         // ДохСовокуп
    Currency ShareExpenses;  // РасхДолУпрТов
    Currency ManagerFee;     // РасхВознУпрТоп
    Currency LossUsed;       // УбытПрУмен
    Currency Taxable;        // ДоходОбл
    Currency LossFuture;     // УбытПерБудущ

    bool operator==(const PartnershipCategory&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Income", Income); v("ShareExpenses", ShareExpenses); v("ManagerFee", ManagerFee);
        v("LossUsed", LossUsed); v("Taxable", Taxable); v("LossFuture", LossFuture);
    }
};

// Index of a category in kTSvodSumPrilI::Categories; an income line of kind k
// (1..5) belongs to index k - 1.
enum PartnershipCategoryIndex : size_t {
    kPartnershipTradedSecurities = 0,   // ДохЦБОбрИТ
    kPartnershipNonTradedSecurities,    // ДохЦБНеОбрИТ
    kPartnershipNonTradedDerivatives,   // ДохФИНеОбрИТ
    kPartnershipCapitalShares,          // ДохУстКапИТ
    kPartnershipOther,                  // ДохПрочИТ
    kPartnershipCategoryCount
};

struct kTSvodSumPrilI {
    std::array<PartnershipCategory, kPartnershipCategoryCount> Categories{};
    Currency ExitIncome;    // ДохВыхИТ
    Currency Contribution;  // ВкладИТ
    Currency ExitTaxable;   // ДоходОбл
    Currency ExitLoss;      // УбытРез
    Currency TotalIncome;   // ОбщДохСовОпер
    Currency TotalTaxable;  // ОбщДоходОбл
    Currency TotalExpenses; // ОбщРасхПрмВыч

    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilI{}; }

    bool operator==(const kTSvodSumPrilI&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Categories", Categories);
        v("ExitIncome", ExitIncome); v("Contribution", Contribution);
        v("ExitTaxable", ExitTaxable); v("ExitLoss", ExitLoss);
        v("TotalIncome", TotalIncome); v("TotalTaxable", TotalTaxable);
        v("TotalExpenses", TotalExpenses);
    }
};

} // namespace velmar
