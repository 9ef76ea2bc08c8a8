#pragma once
// Social deductions (Tax Code art. 219): charity within 25% of income,
// education, treatment, insurance and pension contributions under the common
// 120 000 limit. Lowers each child-education amount above 50 000 in the return.
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumPrilE2 {
    Currency UnlimitedTotal;      // РасчВычСоцБез219.2/ИтогВычСоциал
    Currency LimitedTotal;        // РасчВычСоц219.2/ОбщСумРасх
    Currency GrantedByAgents;     // РасчВычСоц219.2/ОбщСНВОтчПерНА
    Currency Insurance;           // СумЛичСтрах
    Currency PensionContrib;      // СумПенсСтрах
    Currency Charity;             // СумБлагЦел
    Currency OwnEducation;        // СумОбуч (limited)
    Currency ChildEducation;      // СумОбуч (unlimited)
    Currency Treatment;           // СумЛечен (limited)
    Currency ExpensiveTreatment;  // СумЛечен (unlimited)
    Currency Total;               // ОбщВычСоциал

    bool Compute(mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumPrilE2{}; }

    bool operator==(const kTSvodSumPrilE2&) const = default;
    template <class V>
    void fields(V& v) const {
        v("UnlimitedTotal", UnlimitedTotal); v("LimitedTotal", LimitedTotal);
        v("GrantedByAgents", GrantedByAgents); v("Insurance", Insurance);
        v("PensionContrib", PensionContrib); v("Charity", Charity);
        v("OwnEducation", OwnEducation); v("ChildEducation", ChildEducation);
        v("Treatment", Treatment); v("ExpensiveTreatment", ExpensiveTreatment);
        v("Total", Total);
    }
};

} // namespace velmar
