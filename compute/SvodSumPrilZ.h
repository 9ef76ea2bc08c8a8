#pragma once
// Property deduction for buying or building housing (Tax Code art. 220 p.3
// and p.4, 2015 wording). Assigns each object its part of the expenses and
// whether its share is shown.
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumPrilZ {
    double Share = 0.0;          // ownership share applied to the limit (1 when none applies)
    Currency PurchaseClaimed;    // purchase expenses claimed, limited
    Currency InterestClaimed;    // interest claimed
    Currency PriorPurchase;      // ВычНовЗачПред
    Currency PriorInterest;      // ВычПроцЗачПред
    Currency CarriedPurchase;    // ОстВычПршПред
    Currency CarriedInterest;    // ПроцПршПред
    Currency AgentPurchase;      // ВычНАУвед
    Currency AgentInterest;      // ПроцНАУвед
    Currency BaseAvailable;      // НалБаз13БезВыч
    Currency PurchaseNow;        // РасхНовВычНД
    Currency InterestNow;        // ПроцВычНД
    Currency PurchaseRest;       // ОстИВБезПроц
    Currency InterestRest;       // ОстИВУплПроц

    bool Compute(mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumPrilZ{}; }

    bool operator==(const kTSvodSumPrilZ&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Share", Share); v("PurchaseClaimed", PurchaseClaimed); v("InterestClaimed", InterestClaimed);
        v("PriorPurchase", PriorPurchase); v("PriorInterest", PriorInterest);
        v("CarriedPurchase", CarriedPurchase); v("CarriedInterest", CarriedInterest);
        v("AgentPurchase", AgentPurchase); v("AgentInterest", AgentInterest);
        v("BaseAvailable", BaseAvailable); v("PurchaseNow", PurchaseNow);
        v("InterestNow", InterestNow); v("PurchaseRest", PurchaseRest);
        v("InterestRest", InterestRest);
    }
};

// The object's date that decides its limit: the transfer act's date when the
// object is documented by a transfer act, else the registration of ownership.
// The deduction page keeps the act's date in `PurchaseDate` and the act flag in
// `InvestFlag` (shared construction is documented by a transfer act).
TDateTime DecisiveObjectDate(const mTConstructionDeductObj& object);
bool HasTransferAct(const mTConstructionDeductObj& object);

} // namespace velmar
