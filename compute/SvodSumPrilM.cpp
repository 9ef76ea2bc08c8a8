#include "compute/SvodSumPrilM.h"

#include "compute/Rounding.h"

#include <optional>

namespace velmar {

namespace {

// Limits of exempt income for 2015, Tax Code art. 217.
constexpr Currency kExemptLimit4000 = Currency::fromRoubles(4'000);    // p.28: per kind of income a year
constexpr Currency kPensionContribLimit2015 = Currency::fromRoubles(12'000);  // p.39: employer's pension contributions
constexpr Currency kHelpLimit2015 = Currency::fromRoubles(10'000);     // p.33: help to veterans and the disabled

// Prizes in advertising contests, taxed at 35% (art. 224 p.2) above the
// exempt 4 000 of art. 217 p.28.
constexpr int32_t kIncomeCodeAdPrize = 2740;

// One kind of exempt income: its income and deduction codes, its fields and
// what one item may exempt.
struct ExemptKind {
    Currency kTSvodSumPrilM::*income;
    Currency kTSvodSumPrilM::*exempt;
    std::optional<Currency> limit;  // per item and per year; none: the item's own deduction amount
    int32_t deductionCode;
};

// The kind an income code belongs to, or nullptr.
const ExemptKind* exemptKindOf(int32_t incomeCode) {
    using M = kTSvodSumPrilM;
    static const ExemptKind birthHelp{&M::BirthHelpIncome, &M::BirthHelpExempt, std::nullopt, 508};
    static const ExemptKind employerHelp{&M::EmployerHelpIncome, &M::EmployerHelpExempt, kExemptLimit4000, 503};
    static const ExemptKind pensionContrib{&M::PensionContribIncome, &M::PensionContribExempt,
                                           kPensionContribLimit2015, 510};
    static const ExemptKind disabledHelp{&M::DisabledHelpIncome, &M::DisabledHelpExempt, kExemptLimit4000, 506};
    static const ExemptKind gift{&M::GiftIncome, &M::GiftExempt, kExemptLimit4000, 501};
    static const ExemptKind prize{&M::PrizeIncome, &M::PrizeExempt, kExemptLimit4000, 502};
    static const ExemptKind medical{&M::MedicalIncome, &M::MedicalExempt, kExemptLimit4000, 504};
    static const ExemptKind help{&M::HelpIncome, &M::HelpExempt, kHelpLimit2015, 507};
    static const ExemptKind farmPay{&M::FarmPayIncome, &M::FarmPayExempt, std::nullopt, 509};
    switch (incomeCode) {
    case 2762: return &birthHelp;       // art. 217 p.8: lump-sum help at a child's birth
    case 2760: return &employerHelp;    // art. 217 p.28: material help by an employer
    case 1211: return &pensionContrib;  // art. 217 p.39
    case 2761: return &disabledHelp;    // art. 217 p.28: help to the disabled by their organisations
    case 2720: return &gift;            // art. 217 p.28: gifts
    case 2730: return &prize;           // art. 217 p.28: prizes in official contests
    case 2770: return &medical;         // art. 217 p.28: reimbursed medicines
    case 2790: return &help;            // art. 217 p.33
    case 2791: return &farmPay;         // art. 217: pay in kind by agricultural producers
    default: return nullptr;
    }
}

} // namespace

bool kTSvodSumPrilM::Compute(mTDeclaration& decl) {
    const bool withCurrency = (decl.IncomeKinds & kIncomeCurrency) != 0;

    auto addItem = [&](int32_t incomeCode, Currency income, int32_t deductionCode, Currency deduction) {
        const ExemptKind* kind = exemptKindOf(incomeCode);
        if (!kind)
            return;
        this->*kind->income += income;
        if (deductionCode == kind->deductionCode)
            this->*kind->exempt += kind->limit ? capAt(income, *kind->limit) : deduction;
    };

    if (decl.Sources13.Count() > 0 || withCurrency) {
        for (size_t i = 0; i < decl.Sources13.Count(); ++i)
            for (const mTSourseIncome& item : decl.Sources13.Item(i).Incomes.items())
                addItem(item.IncomeCode, item.IncomeAmount, item.DeductionCode, item.DeductionAmount);
        if (withCurrency)
            for (size_t i = 0; i < decl.CurrencyIncomes.Count(); ++i) {
                const mTCurrencyIncome& record = decl.CurrencyIncomes.Item(i);
                addItem(record.IncomeCode, record.IncomeInRoubles, record.DeductionCode, record.DeductionAmount);
            }
        // The yearly limits.
        for (int32_t code : {2762, 2760, 1211, 2761, 2720, 2730, 2770, 2790, 2791}) {
            const ExemptKind* kind = exemptKindOf(code);
            if (kind->limit)
                this->*kind->exempt = capAt(this->*kind->exempt, *kind->limit);
        }
    }

    TotalExempt = BirthHelpExempt + EmployerHelpExempt + PensionContribExempt + DisabledHelpExempt +
                  GiftExempt + PrizeExempt + MedicalExempt + HelpExempt + FarmPayExempt;

    if (decl.ReturnKind == kReturnResident) {
        // The 4 000 is shared by all advertising prizes of the year, served in
        // list order; each source's taxable income and tax follow from its part.
        Currency rest = kExemptLimit4000;
        for (size_t i = 0; i < decl.Sources35.Count(); ++i) {
            mTThirtyFivePercent& source = decl.Sources35.Item(i);
            if (source.IncomeCode != kIncomeCodeAdPrize || source.DeductionCode == 0)
                continue;
            AdPrizeIncome += source.TotalIncome;
            const Currency claimed = max0(capAt(source.DeductionAmount, source.TotalIncome));
            const Currency exempt = minOf(claimed, rest);
            source.TaxableIncome = source.TotalIncome - exempt;
            source.TaxComputed = TaxAtRate(source.TaxableIncome, TaxRate::Percent35);
            AdPrizeExempt += exempt;
            rest -= exempt;
        }
    } else if (decl.ReturnKind == kReturnNonResident) {
        // A non-resident's advertising prizes are among the 30% income.
        for (size_t i = 0; i < decl.Sources13.Count(); ++i)
            for (const mTSourseIncome& item : decl.Sources13.Item(i).Incomes.items())
                if (item.IncomeCode == kIncomeCodeAdPrize && item.DeductionCode != 0) {
                    AdPrizeIncome += item.IncomeAmount;
                    AdPrizeExempt += item.DeductionAmount;
                }
    }
    AdPrizeExempt = capAt(AdPrizeExempt, kExemptLimit4000);
    return true;
}

} // namespace velmar
