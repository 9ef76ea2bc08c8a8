#pragma once
// Deductions: standard (month by month), social with pension contracts,
// property purchase with its objects, and earlier losses on securities.
#include "model/StgClasses.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace velmar {

class mTStandartDeduct {
public:
    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t SavedSize() const { return CountedSize([&](mTDocumentStorage& s) { Save(s); }); }

    // A constant count sets its flag; one month of the matching array clears it.
    // Child arrays take months 0 to 11.
    void SetChildren(int32_t n) { Children = n; ChildrenConst = 1; }
    void SetDisabled(int32_t n) { Disabled = n; DisabledConst = 1; }
    void SetThird(int32_t n) { Third = n; ThirdConst = 1; }
    void SetChildrenByMonth(size_t month0, int32_t n) { ChildrenByMonth.at(month0) = n; ChildrenConst = 0; }
    void SetDisabledByMonth(size_t month0, int32_t n) { DisabledByMonth.at(month0) = n; DisabledConst = 0; }
    void SetThirdByMonth(size_t month0, int32_t n) { ThirdByMonth.at(month0) = n; ThirdConst = 0; }
    // Income, expense, personal code and parent status take months 1 to 12.
    Currency GetMonthIncome(int month) const { return MonthIncome.at(static_cast<size_t>(month - 1)); }
    Currency GetMonthExpense(int month) const { return MonthExpense.at(static_cast<size_t>(month - 1)); }
    int32_t GetCodeByMonth(int month) const { return CodeByMonth.at(static_cast<size_t>(month - 1)); }
    int32_t GetStatusByMonth(int month) const { return StatusByMonth.at(static_cast<size_t>(month - 1)); }
    void SetMonthIncome(int month, Currency v) { MonthIncome.at(static_cast<size_t>(month - 1)) = v; }
    void SetMonthExpense(int month, Currency v) { MonthExpense.at(static_cast<size_t>(month - 1)) = v; }
    void SetCodeByMonth(int month, int32_t v) { CodeByMonth.at(static_cast<size_t>(month - 1)) = v; }
    void SetStatusByMonth(int month, int32_t v) { StatusByMonth.at(static_cast<size_t>(month - 1)) = v; }

    uint8_t Granted = 1;
    int32_t PersonalCode = 103;
    int32_t ParentStatus = 101;
    uint8_t ChildrenConst = 1;
    int32_t Children = 0;
    std::array<int32_t, 12> ChildrenByMonth{};
    uint8_t DisabledConst = 1;
    int32_t Disabled = 0;
    std::array<int32_t, 12> DisabledByMonth{};
    uint8_t ThirdConst = 1;
    int32_t Third = 0;
    std::array<int32_t, 12> ThirdByMonth{};
    uint8_t HasMonthly = 0;
    std::array<Currency, 12> MonthIncome{};
    std::array<Currency, 12> MonthExpense{};
    std::array<uint8_t, 12> MonthFlags{};
    uint8_t HasCodeByMonth = 0;
    std::array<int32_t, 12> CodeByMonth{};
    uint8_t HasStatusByMonth = 0;
    std::array<int32_t, 12> StatusByMonth{};

    template <class V>
    void fields(V& v) {
        v("Granted", Granted); v("PersonalCode", PersonalCode); v("ParentStatus", ParentStatus);
        v("ChildrenConst", ChildrenConst); v("Children", Children); v("ChildrenByMonth", ChildrenByMonth);
        v("DisabledConst", DisabledConst); v("Disabled", Disabled); v("DisabledByMonth", DisabledByMonth);
        v("ThirdConst", ThirdConst); v("Third", Third); v("ThirdByMonth", ThirdByMonth);
        v("HasMonthly", HasMonthly); v("MonthIncome", MonthIncome); v("MonthExpense", MonthExpense);
        v("MonthFlags", MonthFlags); v("HasCodeByMonth", HasCodeByMonth); v("CodeByMonth", CodeByMonth);
        v("HasStatusByMonth", HasStatusByMonth); v("StatusByMonth", StatusByMonth);
    }
};

// One contract of non-state pension provision, voluntary pension insurance or
// additional contributions.
class mTPens {
public:
    void SaveTo(mTDocumentStorage& storage, size_t index) const;
    void LoadFrom(mTDocumentStorage& storage, size_t index);

    int32_t ContractKind = 0;
    std::string OrgName, OrgINN, OrgKPP, ContractNumber;
    TDateTime ContractDate;
    Currency Contribution;
    Currency ContributionToDeduct;
    Currency AgentDeduction;

    template <class V>
    void fields(V& v) {
        v("ContractKind", ContractKind); v("OrgName", OrgName); v("OrgINN", OrgINN);
        v("OrgKPP", OrgKPP); v("ContractNumber", ContractNumber); v("ContractDate", ContractDate);
        v("Contribution", Contribution); v("ContributionToDeduct", ContributionToDeduct);
        v("AgentDeduction", AgentDeduction);
    }
};

class mTSocialDeduct {
public:
    mTSocialDeduct() = default;
    mTSocialDeduct(const mTSocialDeduct& other);
    mTSocialDeduct& operator=(const mTSocialDeduct&) = delete;

    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t SavedSize() const { return CountedSize([&](mTDocumentStorage& s) { Save(s); }); }

    // Amounts paid for the education of each child, in entry order. An index
    // beyond the end raises mEMemoryAllocate.
    size_t ChildEducationAdd(Currency amount);
    Currency ChildEducationGet(size_t index) const;
    void ChildEducationSet(size_t index, Currency amount);
    void ChildEducationDelete(size_t index);
    size_t ChildEducationCount() const { return ChildEducation.size(); }

    size_t AddPension();
    mTPens& PensionItem(size_t index) { return *Pensions.at(index); }
    const mTPens& PensionItem(size_t index) const { return *Pensions.at(index); }
    size_t PensionCount() const { return Pensions.size(); }
    void DeletePension(size_t index);

    uint8_t Granted = 0;
    Currency Charity;
    Currency SelfEducation;
    std::vector<Currency> ChildEducation;
    Currency Medical;
    Currency ExpensiveMedical;
    Currency VoluntaryInsurance;
    Currency AdditionalContributions;
    Currency SocialAmount64;
    std::vector<std::unique_ptr<mTPens>> Pensions;

    template <class V>
    void fields(V& v) {
        v("Granted", Granted); v("Charity", Charity); v("SelfEducation", SelfEducation);
        v("ChildEducation", ChildEducation); v("Medical", Medical);
        v("ExpensiveMedical", ExpensiveMedical); v("VoluntaryInsurance", VoluntaryInsurance);
        v("AdditionalContributions", AdditionalContributions); v("SocialAmount64", SocialAmount64);
    }
};

class mTConstructionDeductObj {
public:
    mTConstructionDeductObj();

    void SaveTo(mTDocumentStorage& storage, size_t index) const;
    void LoadFrom(mTDocumentStorage& storage, size_t index);

    int32_t ObjectKind = 0;
    int32_t OwnershipKind = 0;
    int32_t TaxpayerSign = 0;
    std::string PostIndex, RegionCode, District, City, Locality, Street, House, Building, Flat;
    TDateTime OwnershipRegDate;
    TDateTime LandRegDate;
    TDateTime PurchaseDate;
    TDateTime ApplicationDate;
    TDateTime PrivilegeStartDate;
    int32_t ShareNumerator = 0;
    int32_t ShareDenominator = 0;
    uint8_t InvestFlag = 0;
    uint8_t IsPensioner = 0;
    Currency ObjectExpenses;
    Currency ObjectInterest;
    // The object's part of the limited purchase expenses and whether its share
    // is shown in the return; assigned by the tax computation, never saved.
    Currency ActualExpenses;
    int32_t ShowShare = 0;

    template <class V>
    void fields(V& v) {
        v("ObjectKind", ObjectKind); v("OwnershipKind", OwnershipKind); v("TaxpayerSign", TaxpayerSign);
        v("PostIndex", PostIndex); v("RegionCode", RegionCode); v("District", District);
        v("City", City); v("Locality", Locality); v("Street", Street); v("House", House);
        v("Building", Building); v("Flat", Flat); v("OwnershipRegDate", OwnershipRegDate);
        v("LandRegDate", LandRegDate); v("PurchaseDate", PurchaseDate);
        v("ApplicationDate", ApplicationDate); v("PrivilegeStartDate", PrivilegeStartDate);
        v("ShareNumerator", ShareNumerator); v("ShareDenominator", ShareDenominator);
        v("InvestFlag", InvestFlag); v("IsPensioner", IsPensioner);
        v("ObjectExpenses", ObjectExpenses); v("ObjectInterest", ObjectInterest);
    }
};

class mTConstructionDeduct {
public:
    mTConstructionDeduct() = default;
    mTConstructionDeduct(const mTConstructionDeduct& other);
    mTConstructionDeduct& operator=(const mTConstructionDeduct&) = delete;

    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t SavedSize() const { return CountedSize([&](mTDocumentStorage& s) { Save(s); }); }

    size_t AddObject(std::unique_ptr<mTConstructionDeductObj> object);
    mTConstructionDeductObj& ObjectItem(size_t index) { return *Objects.at(index); }
    const mTConstructionDeductObj& ObjectItem(size_t index) const { return *Objects.at(index); }
    size_t ObjectCount() const { return Objects.size(); }
    void DeleteObject(size_t index);

    uint8_t Granted = 0;
    Currency CarriedOverMain, CarriedOverInterest;
    Currency PriorYearsMain, PriorYearsInterest;
    Currency AgentMain, AgentInterest;
    // Two amounts the pages keep while the return is open; never saved.
    Currency UnsavedAmount1, UnsavedAmount2;
    std::vector<std::unique_ptr<mTConstructionDeductObj>> Objects;

    template <class V>
    void fields(V& v) {
        v("Granted", Granted); v("CarriedOverMain", CarriedOverMain);
        v("CarriedOverInterest", CarriedOverInterest); v("PriorYearsMain", PriorYearsMain);
        v("PriorYearsInterest", PriorYearsInterest); v("AgentMain", AgentMain);
        v("AgentInterest", AgentInterest);
    }
};

// Losses of earlier years on securities (LossCB) and on derivatives (LossFISS):
// index 0 is 2014, indexes 1 to 9 are 2005 to 2013.
class mTCBDeduct {
public:
    void Save(mTDocumentStorage& storage) const;
    void Load(mTDocumentStorage& storage);
    uint32_t SavedSize() const { return CountedSize([&](mTDocumentStorage& s) { Save(s); }); }

    Currency TotalLossCB() const;
    Currency TotalLossFISS() const;

    std::array<Currency, 10> LossCB{};
    std::array<Currency, 10> LossFISS{};

    template <class V>
    void fields(V& v) {
        v("LossCB", LossCB); v("LossFISS", LossFISS);
    }
};

} // namespace velmar
