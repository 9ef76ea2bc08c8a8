#pragma once
// Financial result of operations with securities, derivatives, REPO and
// securities lending (Tax Code art. 214.1, 214.3, 214.4, 220.1): income and
// expenses per kind, the offsetting of losses between kinds, the losses of
// earlier years used and the losses carried forward.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilI;

struct kTSvodSumPrilJ {
    Currency TradedIncome, TradedExpenses, TradedInterest;           // 1530; 201; 218
    Currency FormerIncome, FormerExpenses;                           // 1536
    Currency NonTradedIncome, NonTradedExpenses, NonTradedInterest;  // 1531; 202; 219
    Currency FissSecIncome, FissSecExpenses;                         // 1532
    Currency FissOtherIncome, FissOtherExpenses;                     // 1535
    Currency FissFreeIncome, FissFreeExpenses;                       // 1533
    Currency RepoIncome, RepoExpenses;                               // REPO totals
    Currency RepoTradedIncome, RepoTradedExpenses;                   // 1537
    Currency RepoOtherIncome, RepoOtherExpenses;                     // 9537
    Currency LendIncome, LendExpenses;                               // lending totals
    Currency LendTradedIncome, LendTradedExpenses;                   // 1538
    Currency LendOtherIncome, LendOtherExpenses;                     // 9538
    Currency CarryInSec, CarryInFiss;
    Currency CarryOutSec, CarryOutFiss;
    Currency RepoLossToTraded, LendLossToTraded;
    Currency TradedCosts;
    Currency TradedResult, TradedLoss;
    Currency FissSecToTraded;
    Currency CarryUsedTraded;
    Currency TradedLossToFormer, TradedLossToFissSec, TradedLossFuture;
    Currency FormerLossUsed;
    Currency RepoLossToOther, LendLossToOther;
    Currency PartnershipExitLoss;
    Currency NonTradedCosts;
    Currency FissSecResult, FissSecLoss;
    Currency CarryUsedFissSec;
    Currency TradedToFissSec;
    Currency FissOtherToFissSec;
    Currency FissSecLossToOther, FissSecLossToTraded, FissSecLossFuture;
    Currency FissOtherResult, FissOtherLoss;
    Currency CarryUsedFissOther;
    Currency FissSecToOther;
    Currency FissOtherLossToSec, FissOtherLossFuture;
    Currency RepoLoss, RepoLossTraded, RepoLossOther;
    Currency LendLoss, LendLossTraded, LendLossOther;
    Currency TradedTaxable, FormerTaxable, NonTradedTaxable, FissSecTaxable, FissOtherTaxable,
        FissFreeTaxable, RepoTaxable, LendTaxable;
    Currency TotalIncome, TotalTaxable, TotalExpenses;
    Currency PeriodBaseSec, PeriodBaseFiss;
    Currency CarryUsedSec, CarryUsedFiss;
    Currency CarryLeftSec, CarryLeftFiss;

    bool Compute(const mTDeclaration& decl, const kTSvodSumPrilI& partnerships);
    void Reset() { *this = kTSvodSumPrilJ{}; }

    bool operator==(const kTSvodSumPrilJ&) const = default;
    template <class V>
    void fields(V& v) const {
        v("TradedIncome", TradedIncome); v("TradedExpenses", TradedExpenses); v("TradedInterest", TradedInterest);
        v("FormerIncome", FormerIncome); v("FormerExpenses", FormerExpenses);
        v("NonTradedIncome", NonTradedIncome); v("NonTradedExpenses", NonTradedExpenses);
        v("NonTradedInterest", NonTradedInterest);
        v("FissSecIncome", FissSecIncome); v("FissSecExpenses", FissSecExpenses);
        v("FissOtherIncome", FissOtherIncome); v("FissOtherExpenses", FissOtherExpenses);
        v("FissFreeIncome", FissFreeIncome); v("FissFreeExpenses", FissFreeExpenses);
        v("RepoIncome", RepoIncome); v("RepoExpenses", RepoExpenses);
        v("RepoTradedIncome", RepoTradedIncome); v("RepoTradedExpenses", RepoTradedExpenses);
        v("RepoOtherIncome", RepoOtherIncome); v("RepoOtherExpenses", RepoOtherExpenses);
        v("LendIncome", LendIncome); v("LendExpenses", LendExpenses);
        v("LendTradedIncome", LendTradedIncome); v("LendTradedExpenses", LendTradedExpenses);
        v("LendOtherIncome", LendOtherIncome); v("LendOtherExpenses", LendOtherExpenses);
        v("CarryInSec", CarryInSec); v("CarryInFiss", CarryInFiss);
        v("CarryOutSec", CarryOutSec); v("CarryOutFiss", CarryOutFiss);
        v("RepoLossToTraded", RepoLossToTraded); v("LendLossToTraded", LendLossToTraded);
        v("TradedCosts", TradedCosts);
        v("TradedResult", TradedResult); v("TradedLoss", TradedLoss);
        v("FissSecToTraded", FissSecToTraded);
        v("CarryUsedTraded", CarryUsedTraded);
        v("TradedLossToFormer", TradedLossToFormer); v("TradedLossToFissSec", TradedLossToFissSec);
        v("TradedLossFuture", TradedLossFuture);
        v("FormerLossUsed", FormerLossUsed);
        v("RepoLossToOther", RepoLossToOther); v("LendLossToOther", LendLossToOther);
        v("PartnershipExitLoss", PartnershipExitLoss);
        v("NonTradedCosts", NonTradedCosts);
        v("FissSecResult", FissSecResult); v("FissSecLoss", FissSecLoss);
        v("CarryUsedFissSec", CarryUsedFissSec);
        v("TradedToFissSec", TradedToFissSec);
        v("FissOtherToFissSec", FissOtherToFissSec);
        v("FissSecLossToOther", FissSecLossToOther); v("FissSecLossToTraded", FissSecLossToTraded);
        v("FissSecLossFuture", FissSecLossFuture);
        v("FissOtherResult", FissOtherResult); v("FissOtherLoss", FissOtherLoss);
        v("CarryUsedFissOther", CarryUsedFissOther);
        v("FissSecToOther", FissSecToOther);
        v("FissOtherLossToSec", FissOtherLossToSec); v("FissOtherLossFuture", FissOtherLossFuture);
        v("RepoLoss", RepoLoss); v("RepoLossTraded", RepoLossTraded); v("RepoLossOther", RepoLossOther);
        v("LendLoss", LendLoss); v("LendLossTraded", LendLossTraded); v("LendLossOther", LendLossOther);
        v("TradedTaxable", TradedTaxable); v("FormerTaxable", FormerTaxable);
        v("NonTradedTaxable", NonTradedTaxable); v("FissSecTaxable", FissSecTaxable);
        v("FissOtherTaxable", FissOtherTaxable); v("FissFreeTaxable", FissFreeTaxable);
        v("RepoTaxable", RepoTaxable); v("LendTaxable", LendTaxable);
        v("TotalIncome", TotalIncome); v("TotalTaxable", TotalTaxable); v("TotalExpenses", TotalExpenses);
        v("PeriodBaseSec", PeriodBaseSec); v("PeriodBaseFiss", PeriodBaseFiss);
        v("CarryUsedSec", CarryUsedSec); v("CarryUsedFiss", CarryUsedFiss);
        v("CarryLeftSec", CarryLeftSec); v("CarryLeftFiss", CarryLeftFiss);
    }
};

} // namespace velmar
