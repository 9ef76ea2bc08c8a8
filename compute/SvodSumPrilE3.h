#pragma once
// Non-state pension and voluntary pension insurance contracts (Tax Code
// art. 219 p.1 sub.4 and 5) within the 120 000 limit, and the investment
// deduction amounts.
#include "model/DeclClasses.h"

#include <string>
#include <vector>

namespace velmar {

// One pension or insurance contract as the deduction sheet shows it.
struct mbTPens {
    int32_t Kind = 0;             // ВидДоговор
    std::string SourceName;       // СведИст/Наим
    std::string SourceINN;        // СведИст/ИННЮЛ
    std::string SourceKPP;        // СведИст/КПП
    std::string ContractNumber;   // НомДогНПО
    TDateTime ContractDate;       // ДатаДогНПО
    Currency Paid;                // contributions paid
    Currency Deductible;          // the part within the limit
    Currency GrantedByAgent;      // deduction already granted by the tax agent

    bool operator==(const mbTPens&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Kind", Kind); v("SourceName", SourceName); v("SourceINN", SourceINN);
        v("SourceKPP", SourceKPP); v("ContractNumber", ContractNumber);
        v("ContractDate", ContractDate); v("Paid", Paid); v("Deductible", Deductible);
        v("GrantedByAgent", GrantedByAgent);
    }
};

struct kTSvodSumPrilE3 {
    std::vector<mbTPens> Contracts;    // contracts of kind 1..3
    std::vector<mbTPens> AddContribs;  // contracts of kind 4 (additional contributions)
    Currency PensionPaid;
    Currency PensionDeductible;
    Currency AddPaid;
    Currency AddDeductible;
    Currency PensionTotal;       // PensionDeductible + AddDeductible
    Currency InvestDeduction;    // СумИнвВыч219
    Currency InvestRestore;      // ИнвВычПредВосст
    Currency GrantedByAgents;    // sum of the contracts' GrantedByAgent

    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilE3{}; }

    bool operator==(const kTSvodSumPrilE3&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Contracts", Contracts); v("AddContribs", AddContribs);
        v("PensionPaid", PensionPaid); v("PensionDeductible", PensionDeductible);
        v("AddPaid", AddPaid); v("AddDeductible", AddDeductible);
        v("PensionTotal", PensionTotal); v("InvestDeduction", InvestDeduction);
        v("InvestRestore", InvestRestore); v("GrantedByAgents", GrantedByAgents);
    }
};

} // namespace velmar
