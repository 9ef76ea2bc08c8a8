#pragma once
// Income exempt up to a limit (Tax Code art. 217) and the exempt part of
// advertising prizes taxed at 35%. Lowers the taxable income and tax of
// 35% prize sources by their exemption.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilM {
    Currency BirthHelpIncome, BirthHelpExempt;          // 2762 / 508
    Currency EmployerHelpExempt, EmployerHelpIncome;    // 2760 / 503
    Currency PensionContribIncome, PensionContribExempt;  // 1211 / 510
    Currency DisabledHelpIncome, DisabledHelpExempt;    // 2761 / 506
    Currency GiftIncome, GiftExempt;                    // 2720 / 501
    Currency PrizeIncome, PrizeExempt;                  // 2730 / 502
    Currency MedicalIncome, MedicalExempt;              // 2770 / 504
    Currency HelpIncome, HelpExempt;                    // 2790 / 507
    Currency FarmPayIncome, FarmPayExempt;              // 2791 / 509
    Currency TotalExempt;                               // the nine exempt fields
    Currency AdPrizeIncome, AdPrizeExempt;              // 2740, prizes at 35%

    bool Compute(mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilM{}; }

    bool operator==(const kTSvodSumPrilM&) const = default;
    template <class V>
    void fields(V& v) const {
        v("BirthHelpIncome", BirthHelpIncome); v("BirthHelpExempt", BirthHelpExempt);
        v("EmployerHelpExempt", EmployerHelpExempt); v("EmployerHelpIncome", EmployerHelpIncome);
        v("PensionContribIncome", PensionContribIncome); v("PensionContribExempt", PensionContribExempt);
        v("DisabledHelpIncome", DisabledHelpIncome); v("DisabledHelpExempt", DisabledHelpExempt);
        v("GiftIncome", GiftIncome); v("GiftExempt", GiftExempt);
        v("PrizeIncome", PrizeIncome); v("PrizeExempt", PrizeExempt);
        v("MedicalIncome", MedicalIncome); v("MedicalExempt", MedicalExempt);
        v("HelpIncome", HelpIncome); v("HelpExempt", HelpExempt);
        v("FarmPayIncome", FarmPayIncome); v("FarmPayExempt", FarmPayExempt);
        v("TotalExempt", TotalExempt);
        v("AdPrizeIncome", AdPrizeIncome); v("AdPrizeExempt", AdPrizeExempt);
    }
};

} // namespace velmar
