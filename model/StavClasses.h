#pragma once
// Income received in the Russian Federation, one record per source and rate,
// and investment partnerships.
#include "model/StgClasses.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmar {

// Common part of every source record.
class mTSourseIncomeInfo {
public:
    virtual ~mTSourseIncomeInfo() = default;
    virtual void SaveTo(mTDocumentStorage& storage, size_t index, int variant) const = 0;
    virtual void LoadFrom(mTDocumentStorage& storage, size_t index, int variant) = 0;
    uint32_t SavedSize(size_t index, int variant) const {
        return CountedSize([&](mTDocumentStorage& s) { SaveTo(s, index, variant); });
    }

    std::string SourceINN;
    std::string SourceKPP;
    std::string SourceOKTMO;
    std::string SourceName;
    Currency TotalIncome;
    Currency TaxWithheld;
    // Kind-of-income code ("01".."09") that the tax computation assigns; never
    // saved, empty until a computation has run.
    std::string IncomeTypeCode;

    template <class V>
    void sourceFields(V& v) {
        v("SourceINN", SourceINN); v("SourceKPP", SourceKPP);
        v("SourceOKTMO", SourceOKTMO); v("SourceName", SourceName);
    }
};

// One income of a 13% source.
struct mTSourseIncome {
    int32_t IncomeCode = 0;
    std::string IncomeCodeName;
    Currency IncomeAmount;
    int32_t DeductionCode = 0;
    Currency DeductionAmount;
    int32_t DeductionPercent = 0;
    uint16_t Month = 0;

    template <class V>
    void fields(V& v) {
        v("IncomeCode", IncomeCode); v("IncomeCodeName", IncomeCodeName);
        v("IncomeAmount", IncomeAmount); v("DeductionCode", DeductionCode);
        v("DeductionAmount", DeductionAmount); v("DeductionPercent", DeductionPercent);
        v("Month", Month);
    }
};

// Keeps `TotalIncome` equal to the sum of the items' `IncomeAmount`.
template <class Item>
class IncomeList {
public:
    IncomeList(Currency& total) : total_(total) {}
    size_t AddIncome(const Item& item) {
        items_.push_back(item);
        total_ += item.IncomeAmount;
        return items_.size() - 1;
    }
    void ReplaceIncome(size_t index, const Item& item) {
        total_ -= items_.at(index).IncomeAmount;
        items_[index] = item;
        total_ += item.IncomeAmount;
    }
    void DeleteIncome(size_t index) {
        total_ -= items_.at(index).IncomeAmount;
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    const Item& IncomeItem(size_t index) const { return items_.at(index); }
    size_t IncomeCount() const { return items_.size(); }
    const std::vector<Item>& items() const { return items_; }
    // Copies the items of another list; the owner copies its total itself.
    void copyItemsFrom(const IncomeList& other) { items_ = other.items_; }
    void clear() {
        items_.clear();
        total_ = Currency();
    }

private:
    Currency& total_;
    std::vector<Item> items_;
};

// A 13% source, resident (variant 0) or non-resident (variant 1).
class mTThirteenPercent : public mTSourseIncomeInfo {
public:
    mTThirteenPercent() : Incomes(TotalIncome) {}
    mTThirteenPercent(const mTThirteenPercent& other);
    mTThirteenPercent& operator=(const mTThirteenPercent&) = delete;

    void SaveTo(mTDocumentStorage& storage, size_t index, int variant) const override;
    void LoadFrom(mTDocumentStorage& storage, size_t index, int variant) override;

    // -1 (`AbsentAmount`) makes the month absent.
    void SetMonthAmount(size_t month, Currency value);

    IncomeList<mTSourseIncome> Incomes;
    std::array<std::optional<Currency>, 12> MonthAmounts{};
    uint8_t StandardBySource = 0;
    Currency TaxComputed;
    Currency TaxableIncome;
    Currency SourceAmount176;

    template <class V>
    void fields(V& v) {
        v("StandardBySource", StandardBySource);
        sourceFields(v);
        v("TaxWithheld", TaxWithheld); v("TaxableIncome", TaxableIncome);
        v("TaxComputed", TaxComputed); v("SourceAmount176", SourceAmount176);
        v("MonthAmounts", MonthAmounts);
    }
};

// A 35% source holding one income; `TotalIncome` is its amount.
class mTThirtyFivePercent : public mTSourseIncomeInfo {
public:
    void SaveTo(mTDocumentStorage& storage, size_t index, int variant) const override;
    void LoadFrom(mTDocumentStorage& storage, size_t index, int variant) override;

    int32_t IncomeCode = 0;
    int32_t DeductionCode = 0;
    Currency DeductionAmount;
    // Taxable income and tax at 35% that the tax computation assigns; never saved.
    Currency TaxComputed;
    Currency TaxableIncome;

    template <class V>
    void fields(V& v) {
        v("IncomeCode", IncomeCode);
        sourceFields(v);
        v("TotalIncome", TotalIncome); v("DeductionCode", DeductionCode);
        v("DeductionAmount", DeductionAmount); v("TaxWithheld", TaxWithheld);
    }
};

// A dividend (variant 1) or 9% (variant 0) source holding one income.
class mTThirtyPercent : public mTSourseIncomeInfo {
public:
    void SaveTo(mTDocumentStorage& storage, size_t index, int variant) const override;
    void LoadFrom(mTDocumentStorage& storage, size_t index, int variant) override;

    int32_t IncomeCode = 0;
    Currency TaxComputed;
    Currency TaxableIncome;

    template <class V>
    void fields(V& v) {
        v("IncomeCode", IncomeCode);
        sourceFields(v);
        v("TotalIncome", TotalIncome); v("TaxComputed", TaxComputed);
        v("TaxableIncome", TaxableIncome); v("TaxWithheld", TaxWithheld);
    }
};

struct InvestIncomeItem {
    int32_t OperationKind = 0;
    Currency IncomeAmount;
    Currency ExpenseShare;
    Currency ManagerExpenses;
    Currency PriorYearsLoss;

    template <class V>
    void fields(V& v) {
        v("OperationKind", OperationKind); v("IncomeAmount", IncomeAmount);
        v("ExpenseShare", ExpenseShare); v("ManagerExpenses", ManagerExpenses);
        v("PriorYearsLoss", PriorYearsLoss);
    }
};

// An investment partnership agreement.
class mTInvestTov : public mTSourseIncomeInfo {
public:
    mTInvestTov() : Incomes(TotalIncome) {}
    mTInvestTov(const mTInvestTov& other);
    mTInvestTov& operator=(const mTInvestTov&) = delete;

    void SaveTo(mTDocumentStorage& storage, size_t index, int variant) const override;
    void LoadFrom(mTDocumentStorage& storage, size_t index, int variant) override;

    IncomeList<InvestIncomeItem> Incomes;
    Currency TaxComputed;
    Currency TaxableIncome;

    template <class V>
    void fields(V& v) {
        sourceFields(v);
        v("TaxWithheld", TaxWithheld); v("TaxableIncome", TaxableIncome);
        v("TaxComputed", TaxComputed);
    }
};

} // namespace velmar
