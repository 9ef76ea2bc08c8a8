#include "compute/SvodSumPrilE1.h"

#include "compute/Rounding.h"

#include <bitset>

namespace velmar {

namespace {

// Standard deductions, Tax Code art. 218 p.1 (2015 wording), a month each.
constexpr Currency kOwnDeduction3000 = Currency::fromRoubles(3'000);  // sub.1, code 105
constexpr Currency kOwnDeduction500 = Currency::fromRoubles(500);     // sub.2, code 104
// Sub.4: for each of the first and second child, for the third and each later
// child, and for a disabled child; a single parent gets them twice.
constexpr Currency kChildDeduction2015 = Currency::fromRoubles(1'400);
constexpr Currency kThirdChildDeduction2015 = Currency::fromRoubles(3'000);
constexpr Currency kDisabledChildDeduction2015 = Currency::fromRoubles(3'000);
// Sub.4: the child deductions run until the month in which the income since
// 1 January, counted by the 13% rate, exceeds this limit.
constexpr Currency kChildIncomeLimit2015 = Currency::fromRoubles(280'000);

// Codes of the taxpayer's own deduction.
constexpr int32_t kPersonalNone = 103;
constexpr int32_t kPersonal500 = 104;
constexpr int32_t kPersonal3000 = 105;
constexpr int32_t kPersonalByMonth = 110;  // the code changed during the year: CodeByMonth
// The own code of a month: 1 for 500, 2 for 3 000, 0 for none; the code
// itself (104, 105, 103) is understood as well.
constexpr int32_t kMonthCode500 = 1;
constexpr int32_t kMonthCode3000 = 2;

// Parent status: both parents, a single parent, or changed during the year.
constexpr int32_t kParentBoth = 101;
constexpr int32_t kParentSingle = 102;
constexpr int32_t kParentByMonth = 103;
// The status of a month: 101 or 1 both parents, 102 or 2 a single parent;
// any other value gives no child deduction for that month.
constexpr int32_t kMonthStatusBoth = 1;
constexpr int32_t kMonthStatusSingle = 2;

using MonthSet = std::bitset<12>;

bool isMonth(int month) { return month >= 1 && month <= 12; }
size_t indexOf(int month) { return static_cast<size_t>(month - 1); }

// Number of children of a group in a month: the constant number, or the month's own.
int32_t childrenInMonth(uint8_t isConst, int32_t constant, const std::array<int32_t, 12>& byMonth, int month) {
    const int32_t n = isConst ? constant : byMonth[indexOf(month)];
    return n > 0 ? n : 0;
}

} // namespace

bool kTSvodSumPrilE1::Compute(const mTDeclaration& decl) {
    const mTStandartDeduct& standard = *decl.Standard;
    if (!standard.Granted || decl.ReturnKind != kReturnResident)
        return true;

    // Income of each month and the months that count.
    MonthSet months;
    if (standard.HasMonthly) {
        // Income and expenses typed month by month (entrepreneurs and private practice).
        Currency running;
        for (int m = 1; m <= 12; ++m) {
            MonthIncome[indexOf(m)] = standard.MonthIncome[indexOf(m)] - standard.MonthExpense[indexOf(m)];
            months[indexOf(m)] = standard.MonthFlags[indexOf(m)] != 0;
            // A shortfall is carried into the next month; the income so far is never below 0.
            running += MonthIncome[indexOf(m)];
            CumulativeIncome[indexOf(m)] = max0(running);
        }
    } else {
        for (size_t i = 0; i < decl.Sources13.Count(); ++i) {
            const mTThirteenPercent& source = decl.Sources13.Item(i);
            if (!source.StandardBySource)
                continue;
            for (const mTSourseIncome& item : source.Incomes.items()) {
                // An item without a valid month belongs to no month and takes part in nothing.
                if (!isMonth(item.Month))
                    continue;
                MonthIncome[indexOf(item.Month)] += item.IncomeAmount - item.DeductionAmount;
                months[indexOf(item.Month)] = true;
            }
        }
        Currency running;
        for (int m = 1; m <= 12; ++m) {
            running += MonthIncome[indexOf(m)];
            CumulativeIncome[indexOf(m)] = running;
        }
    }

    // The months before the income since January exceeds the limit.
    MonthSet eligible;
    for (int m = 1; m <= 12 && CumulativeIncome[indexOf(m)] <= kChildIncomeLimit2015; ++m)
        eligible[indexOf(m)] = months[indexOf(m)];
    MonthsUnderLimit = static_cast<int32_t>(eligible.count());

    // The taxpayer's own deduction, for every month that counts, whatever the income.
    for (int m = 1; m <= 12; ++m) {
        if (!months[indexOf(m)])
            continue;
        int32_t code = standard.PersonalCode;
        if (code == kPersonalByMonth) {
            const int32_t byMonth = standard.CodeByMonth[indexOf(m)];
            code = (byMonth == kMonthCode3000 || byMonth == kPersonal3000) ? kPersonal3000
                   : (byMonth == kMonthCode500 || byMonth == kPersonal500) ? kPersonal500
                                                                           : kPersonalNone;
        }
        if (code == kPersonal3000)
            Own3000 += kOwnDeduction3000;
        else if (code == kPersonal500)
            Own500 += kOwnDeduction500;
    }

    // Children, for the eligible months.
    if (standard.ParentStatus != 0) {
        struct Group {
            int32_t (*count)(const mTStandartDeduct&, int month);
            Currency rate;
            Currency* single;
            Currency* twice;
        };
        const Group groups[] = {
            {[](const mTStandartDeduct& s, int m) {
                 return childrenInMonth(s.ChildrenConst, s.Children, s.ChildrenByMonth, m);
             },
             kChildDeduction2015, &Child, &ChildDouble},
            {[](const mTStandartDeduct& s, int m) {
                 return childrenInMonth(s.ThirdConst, s.Third, s.ThirdByMonth, m);
             },
             kThirdChildDeduction2015, &Child, &ChildDouble},
            {[](const mTStandartDeduct& s, int m) {
                 return childrenInMonth(s.DisabledConst, s.Disabled, s.DisabledByMonth, m);
             },
             kDisabledChildDeduction2015, &ChildDisabled, &ChildDisabledDouble},
        };
        for (int m = 1; m <= 12; ++m) {
            if (!eligible[indexOf(m)])
                continue;
            int32_t status = standard.ParentStatus;
            if (status == kParentByMonth) {
                const int32_t byMonth = standard.StatusByMonth[indexOf(m)];
                status = byMonth == kMonthStatusBoth     ? kParentBoth
                         : byMonth == kMonthStatusSingle ? kParentSingle
                                                         : byMonth;
            }
            for (const Group& group : groups) {
                const int32_t children = group.count(standard, m);
                if (status == kParentBoth)
                    *group.single += group.rate * children;
                else if (status == kParentSingle)
                    *group.twice += group.rate * 2 * children;
            }
        }
    }

    // Standard deductions never exceed the year's income.
    Total = Own3000 + Own500 + Child + ChildDouble + ChildDisabled + ChildDisabledDouble;
    Total = max0(capAt(Total, CumulativeIncome[11]));
    return true;
}

} // namespace velmar
