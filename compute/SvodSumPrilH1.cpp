#include "compute/SvodSumPrilH1.h"

#include "compute/Rounding.h"

namespace velmar {

namespace {

// Fixed deductions on sales of property held less than the minimum period,
// Tax Code art. 220 p.2 sub.1 (2015 wording): one limit for all housing and
// land sold in the year, shares in them included, and one for other property.
constexpr Currency kHousingSaleLimit2015 = Currency::fromRoubles(1'000'000);
constexpr Currency kOtherPropertySaleLimit2015 = Currency::fromRoubles(250'000);

// Deduction codes.
constexpr int32_t kDeductionHousing = 901;
constexpr int32_t kDeductionOtherReal = 902;
constexpr int32_t kDeductionExpenses = 903;  // documented purchase expenses instead of the fixed deduction
constexpr int32_t kDeductionHousingShare = 904;
constexpr int32_t kDeductionOtherProperty = 906;
constexpr int32_t kDeductionRedemption = 908;  // art. 220 p.2 sub.2.2: redemption for public needs

// Income codes.
constexpr int32_t kIncomeHousing = 1510;
constexpr int32_t kIncomeHousingShare = 1511;
constexpr int32_t kIncomeOtherReal = 1512;
constexpr int32_t kIncomeOtherProperty = 1520;
constexpr int32_t kIncomeRedemption = 4900;

// What is left of a yearly limit; each sale takes from it what it may.
class Limit {
public:
    explicit Limit(Currency amount) : left_(amount) {}
    // Adds min(wanted, left) to the deduction; the limit goes down by the whole wanted amount.
    void take(Currency wanted, Currency& deduction) {
        wanted = max0(wanted);
        deduction += minOf(wanted, left_);
        left_ = max0(left_ - wanted);
    }

private:
    Currency left_;
};

} // namespace

bool kTSvodSumPrilH1::Compute(const mTDeclaration& decl) {
    const bool withCurrency = (decl.IncomeKinds & kIncomeCurrency) != 0;
    if (decl.ReturnKind != kReturnResident || (decl.Sources13.Count() == 0 && !withCurrency))
        return true;

    Limit housing(kHousingSaleLimit2015);
    Limit other(kOtherPropertySaleLimit2015);

    // Income received in roubles: the fixed deduction of a whole flat is taken
    // at the sale price, that of a share at the amount claimed.
    for (size_t i = 0; i < decl.Sources13.Count(); ++i) {
        for (const mTSourseIncome& item : decl.Sources13.Item(i).Incomes.items()) {
            const Currency income = item.IncomeAmount, deduction = item.DeductionAmount;
            const int32_t code = item.IncomeCode, deductionCode = item.DeductionCode;
            if (code == kIncomeHousing && deductionCode == kDeductionHousing) {
                HousingIncome += income;
                housing.take(income, HousingDeduction);
            } else if (code == kIncomeHousing && deductionCode == kDeductionExpenses) {
                HousingExpIncome += income;
                HousingExpenses += deduction;
            } else if (code == kIncomeHousingShare && deductionCode == kDeductionHousingShare) {
                HousingShareIncome += income;
                housing.take(deduction, HousingShareDeduction);
            } else if (code == kIncomeHousingShare && deductionCode == kDeductionExpenses) {
                HousingExpIncome += income;
                HousingExpenses += minOf(income, deduction);
            } else if (code == kIncomeOtherReal && deductionCode == kDeductionOtherReal) {
                OtherRealIncome += income;
                other.take(deduction, OtherRealDeduction);
            } else if (code == kIncomeOtherReal && deductionCode == kDeductionExpenses) {
                OtherRealExpIncome += income;
                OtherRealExpenses += minOf(income, deduction);
            } else if (code == kIncomeOtherProperty && deductionCode == kDeductionOtherProperty) {
                OtherPropIncome += income;
                other.take(deduction, OtherPropDeduction);
            } else if (code == kIncomeOtherProperty && deductionCode == kDeductionExpenses) {
                OtherPropExpIncome += income;
                OtherPropExpenses += deduction;
            } else if (code == kIncomeRedemption && deductionCode == kDeductionRedemption) {
                RedemptionIncome += income;
                RedemptionDeduction += deduction;
            }
        }
    }

    // Foreign-currency income: fixed deductions never above the sale's income.
    if (withCurrency) {
        for (size_t i = 0; i < decl.CurrencyIncomes.Count(); ++i) {
            const mTCurrencyIncome& record = decl.CurrencyIncomes.Item(i);
            const Currency income = record.IncomeInRoubles, deduction = record.DeductionAmount;
            const int32_t code = record.IncomeCode, deductionCode = record.DeductionCode;
            if (code == kIncomeHousing && deductionCode == kDeductionHousing) {
                HousingIncome += income;
                housing.take(income, HousingDeduction);
            } else if (code == kIncomeHousing && deductionCode == kDeductionExpenses) {
                HousingExpIncome += income;
                HousingExpenses += deduction;
            } else if (code == kIncomeHousingShare && deductionCode == kDeductionHousingShare) {
                HousingShareIncome += income;
                housing.take(minOf(income, deduction), HousingShareDeduction);
            } else if (code == kIncomeHousingShare && deductionCode == kDeductionExpenses) {
                HousingExpIncome += income;
                HousingExpenses += deduction;
            } else if (code == kIncomeOtherReal && deductionCode == kDeductionOtherReal) {
                OtherRealIncome += income;
                other.take(minOf(income, deduction), OtherRealDeduction);
            } else if (code == kIncomeOtherReal && deductionCode == kDeductionExpenses) {
                OtherRealExpIncome += income;
                OtherRealExpenses += deduction;
            } else if (code == kIncomeOtherProperty && deductionCode == kDeductionOtherProperty) {
                OtherPropIncome += income;
                other.take(minOf(income, deduction), OtherPropDeduction);
            } else if (code == kIncomeOtherProperty && deductionCode == kDeductionExpenses) {
                OtherPropExpIncome += income;
                OtherPropExpenses += deduction;
            } else if (code == kIncomeRedemption && deductionCode == kDeductionRedemption) {
                RedemptionIncome += income;
                RedemptionDeduction += deduction;
            }
        }
    }

    // A deduction never exceeds the income it belongs to.
    HousingDeduction = capAt(HousingDeduction, HousingIncome);
    HousingShareDeduction = capAt(HousingShareDeduction, HousingShareIncome);
    HousingExpenses = capAt(HousingExpenses, HousingExpIncome);
    OtherRealDeduction = capAt(OtherRealDeduction, OtherRealIncome);
    OtherRealExpenses = capAt(OtherRealExpenses, OtherRealExpIncome);
    OtherPropDeduction = capAt(OtherPropDeduction, OtherPropIncome);
    OtherPropExpenses = capAt(OtherPropExpenses, OtherPropExpIncome);
    RedemptionDeduction = capAt(RedemptionDeduction, RedemptionIncome);
    OtherRealDeduction = capAt(OtherRealDeduction, kOtherPropertySaleLimit2015);
    OtherPropDeduction = capAt(OtherPropDeduction, kOtherPropertySaleLimit2015);

    Total = HousingDeduction + HousingShareDeduction + HousingExpenses + OtherRealDeduction + OtherRealExpenses +
            OtherPropDeduction + OtherPropExpenses + RedemptionDeduction;
    return true;
}

} // namespace velmar
