#include "compute/SvodSumPrilJ.h"

#include "compute/Rounding.h"
#include "compute/SvodSumPrilI.h"

namespace velmar {

namespace {

// Deduction codes that split the expenses of traded and non-traded securities.
constexpr int32_t kDeductionTradedExpenses = 201;
constexpr int32_t kDeductionTradedInterest = 218;    // interest on loans for traded securities
constexpr int32_t kDeductionNonTradedExpenses = 202;
constexpr int32_t kDeductionNonTradedInterest = 219;

} // namespace

bool kTSvodSumPrilJ::Compute(const mTDeclaration& decl, const kTSvodSumPrilI& partnerships) {
    // Collect the operations that carry a deduction code.
    auto collect = [&](int32_t incomeCode, Currency income, int32_t deductionCode, Currency deduction) {
        if (deductionCode == 0)
            return;
        auto pair = [&](Currency& incomeField, Currency& expenseField) {
            incomeField += income;
            expenseField += deduction;
        };
        switch (incomeCode) {
        case 1530:  // securities traded on an organised market
            TradedIncome += income;
            if (deductionCode == kDeductionTradedExpenses)
                TradedExpenses += deduction;
            else if (deductionCode == kDeductionTradedInterest)
                TradedInterest += deduction;
            break;
        case 1531:  // securities not traded
            NonTradedIncome += income;
            if (deductionCode == kDeductionNonTradedExpenses)
                NonTradedExpenses += deduction;
            else if (deductionCode == kDeductionNonTradedInterest)
                NonTradedInterest += deduction;
            break;
        case 1536: pair(FormerIncome, FormerExpenses); break;          // formerly traded securities
        case 1532: pair(FissSecIncome, FissSecExpenses); break;        // traded derivatives on securities
        case 1535: pair(FissOtherIncome, FissOtherExpenses); break;    // traded derivatives on other assets
        case 1533: pair(FissFreeIncome, FissFreeExpenses); break;      // derivatives not traded
        case 1537: pair(RepoTradedIncome, RepoTradedExpenses); break;  // REPO on traded securities
        case 9537: pair(RepoOtherIncome, RepoOtherExpenses); break;    // REPO on other securities
        case 1538: pair(LendTradedIncome, LendTradedExpenses); break;  // lending of traded securities
        case 9538: pair(LendOtherIncome, LendOtherExpenses); break;    // lending of other securities
        default: break;
        }
    };
    for (size_t i = 0; i < decl.Sources13.Count(); ++i)
        for (const mTSourseIncome& item : decl.Sources13.Item(i).Incomes.items())
            collect(item.IncomeCode, item.IncomeAmount, item.DeductionCode, item.DeductionAmount);
    if (decl.IncomeKinds & kIncomeCurrency)
        for (size_t i = 0; i < decl.CurrencyIncomes.Count(); ++i) {
            const mTCurrencyIncome& record = decl.CurrencyIncomes.Item(i);
            collect(record.IncomeCode, record.IncomeInRoubles, record.DeductionCode, record.DeductionAmount);
        }

    // REPO and lending (art. 214.3, 214.4).
    RepoIncome = RepoTradedIncome + RepoOtherIncome;
    RepoExpenses = RepoTradedExpenses + RepoOtherExpenses;
    LendIncome = LendTradedIncome + LendOtherIncome;
    LendExpenses = LendTradedExpenses + LendOtherExpenses;
    RepoTaxable = max0(RepoIncome - RepoExpenses);
    LendTaxable = max0(LendIncome - LendExpenses);
    RepoLoss = max0(RepoExpenses - RepoIncome);
    LendLoss = max0(LendExpenses - LendIncome);

    // A REPO or lending loss reduces the income of the kind of securities it was made on.
    if (TradedIncome > Currency()) {
        RepoLossTraded = max0(minOf(RepoTradedExpenses - RepoTradedIncome, RepoExpenses - RepoIncome));
        LendLossTraded = max0(minOf(LendTradedExpenses - LendTradedIncome, LendExpenses - LendIncome));
    }
    if (NonTradedIncome > Currency()) {
        RepoLossOther = max0(minOf(RepoOtherExpenses - RepoOtherIncome, RepoExpenses - RepoIncome));
        LendLossOther = max0(minOf(LendOtherExpenses - LendOtherIncome, LendExpenses - LendIncome));
    }

    // Traded securities.
    RepoLossToTraded = RepoLossTraded;
    LendLossToTraded = LendLossTraded;
    TradedCosts = TradedExpenses + RepoLossToTraded + LendLossToTraded + TradedInterest;
    TradedResult = max0(TradedIncome - TradedCosts);
    TradedLoss = max0(TradedCosts - TradedIncome);

    // Non-traded securities; a loss on leaving a partnership reduces them (art. 214.5).
    RepoLossToOther = RepoLossOther;
    LendLossToOther = LendLossOther;
    PartnershipExitLoss = partnerships.ExitLoss;
    NonTradedCosts = NonTradedExpenses + RepoLossToOther + LendLossToOther + NonTradedInterest + PartnershipExitLoss;
    NonTradedTaxable = max0(NonTradedIncome - NonTradedCosts);

    // Derivatives.
    FissSecResult = max0(FissSecIncome - FissSecExpenses);
    FissSecLoss = max0(FissSecExpenses - FissSecIncome);
    FissOtherResult = max0(FissOtherIncome - FissOtherExpenses);
    FissOtherLoss = max0(FissOtherExpenses - FissOtherIncome);
    FissFreeTaxable = max0(FissFreeIncome - FissFreeExpenses);

    // Losses of earlier years (art. 220.1), 2005 to 2014.
    CarryInSec = max0(decl.Securities->TotalLossCB());
    CarryInFiss = max0(decl.Securities->TotalLossFISS());

    // Earlier losses on securities reduce the traded result; earlier
    // losses on derivatives reduce first the other derivatives, then those on securities.
    if (TradedResult > Currency())
        CarryUsedTraded = minOf(CarryInSec, TradedResult);
    CarryUsedSec = CarryUsedTraded;
    if (FissOtherResult > Currency())
        CarryUsedFissOther = minOf(CarryInFiss, FissOtherResult);
    CarryUsedFiss = CarryUsedFissOther;
    if (FissSecResult > Currency()) {
        CarryUsedFissSec = minOf(CarryInFiss - CarryUsedFiss, FissSecResult);
        CarryUsedFiss += CarryUsedFissSec;
    }

    // A loss on derivatives on securities goes to the other derivatives,
    // then to traded securities (art. 214.1); the rest to later years.
    if (CarryUsedFissOther < FissOtherResult)
        FissSecLossToOther = minOf(FissOtherResult - CarryUsedFissOther, FissSecLoss);
    FissSecToOther = FissSecLossToOther;
    if (CarryUsedTraded < TradedResult)
        FissSecLossToTraded = minOf(TradedResult - CarryUsedTraded, FissSecLoss - FissSecLossToOther);
    FissSecToTraded = FissSecLossToTraded;
    if (FissSecLoss > FissSecLossToOther + FissSecLossToTraded)
        FissSecLossFuture = FissSecLoss - FissSecLossToOther - FissSecLossToTraded;

    // A loss on other derivatives goes to derivatives on securities.
    if (CarryUsedFissSec < FissSecResult)
        FissOtherLossToSec = minOf(FissSecResult - CarryUsedFissSec, FissOtherLoss);
    FissOtherToFissSec = FissOtherLossToSec;
    if (FissOtherLossToSec < FissOtherLoss)
        FissOtherLossFuture = FissOtherLoss - FissOtherLossToSec;

    // A loss on traded securities reduces formerly traded ones.
    if (FormerExpenses < FormerIncome)
        TradedLossToFormer = minOf(FormerIncome - FormerExpenses, TradedLoss);
    FormerLossUsed = TradedLossToFormer;
    FormerTaxable = max0(FormerIncome - FormerExpenses - FormerLossUsed);

    // ... then derivatives on securities; the rest goes to later years.
    if (FissSecResult > CarryUsedFissSec + FissOtherToFissSec)
        TradedLossToFissSec =
            minOf(FissSecResult - CarryUsedFissSec - FissOtherToFissSec, TradedLoss - TradedLossToFormer);
    TradedToFissSec = TradedLossToFissSec;
    if (TradedLoss > TradedLossToFormer + TradedLossToFissSec)
        TradedLossFuture = TradedLoss - TradedLossToFormer - TradedLossToFissSec;

    // Taxable income per kind.
    TradedTaxable = max0(TradedResult - FissSecToTraded - CarryUsedTraded);
    FissSecTaxable = max0(FissSecResult - CarryUsedFissSec - TradedToFissSec - FissOtherToFissSec);
    FissOtherTaxable = max0(FissOtherResult - CarryUsedFissOther - FissSecToOther);

    // Bases of the period and the losses carried forward.
    PeriodBaseSec = TradedResult;
    PeriodBaseFiss = FissSecResult + FissOtherResult;
    CarryLeftSec = CarryInSec - CarryUsedSec;
    CarryLeftFiss = CarryInFiss - CarryUsedFiss;
    CarryOutSec = TradedLossFuture + CarryLeftSec;
    CarryOutFiss = FissSecLossFuture + FissOtherLossFuture + CarryLeftFiss;

    // Totals.
    TotalIncome = TradedIncome + FormerIncome + NonTradedIncome + FissSecIncome + FissOtherIncome + FissFreeIncome +
                  RepoIncome + LendIncome;
    TotalTaxable = TradedTaxable + FormerTaxable + NonTradedTaxable + FissSecTaxable + FissOtherTaxable +
                   FissFreeTaxable + RepoTaxable + LendTaxable;
    TotalExpenses = TotalIncome - TotalTaxable;
    return true;
}

} // namespace velmar
