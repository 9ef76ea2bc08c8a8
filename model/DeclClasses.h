#pragma once
// One return: the conditions of the initial page, return-level amounts, the
// income records by kind, the taxpayer and the deductions.
#include "model/BusinessClasses.h"
#include "model/DeductionClasses.h"
#include "model/PersonClasses.h"
#include "model/StavClasses.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmar {

// Income kinds of a return (bits of `IncomeKinds`).
enum IncomeKind : uint8_t {
    kIncomeRF = 1,
    kIncomeCurrency = 2,
    kIncomeBusiness = 4,
    kIncomeFifth = 8,
    kIncomeInvestTov = 16,
};

// Return kinds (`ReturnKind`).
enum ReturnKindCode : uint8_t { kReturnResident = 0, kReturnNonResident = 1, kReturn4NDFL = 2 };

// A list of owned records that exists only while its income kind is on; a
// missing list reads as empty.
template <class T>
class RecordList {
public:
    RecordList() = default;
    RecordList(const RecordList& other) : exists_(other.exists_) {
        for (const auto& item : other.items_)
            items_.push_back(std::make_unique<T>(*item));
    }
    RecordList& operator=(const RecordList&) = delete;

    size_t Add() {
        if (!exists_)
            throw std::logic_error("record list is not switched on");
        items_.push_back(std::make_unique<T>());
        return items_.size() - 1;
    }
    T& Item(size_t index) { return *items_.at(index); }
    const T& Item(size_t index) const { return *items_.at(index); }
    size_t Count() const { return items_.size(); }
    void Delete(size_t index) {
        if (index >= items_.size())
            throw std::out_of_range("record index");
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }

    bool Exists() const { return exists_; }
    void Create() {
        items_.clear();
        exists_ = true;
    }
    void Destroy() {
        items_.clear();
        exists_ = false;
    }

private:
    bool exists_ = false;
    std::vector<std::unique_ptr<T>> items_;
};

// The list that belongs to income-kind bit 8; nothing fills or saves it.
struct mTFifthListItem {};

class mTDeclaration {
public:
    mTDeclaration();
    mTDeclaration(const mTDeclaration& other);
    mTDeclaration& operator=(const mTDeclaration&) = delete;

    void SetIncomeKinds(uint8_t bits);
    void SetMonthsWorked(int32_t n) { MonthsWorked = n; }
    void SetForeignExpenseDocs(int32_t n);
    void SetSupportingSheets(int32_t n);

    uint32_t SavedSize();
    void SaveToFile(const std::string& path);
    void LoadFromFile(const std::string& path);

    // First text that the file cannot hold (not Windows-1251, or over 9999
    // bytes), as "path: reason"; empty when every text can be saved.
    std::string FirstUnsavableText() const;

    std::string InspectionCode;
    std::string InspectionName;
    uint8_t DeclFlag = 0;
    int32_t CorrectionNumber = 0;
    TDateTime SigningDate;
    uint8_t ConfirmationKind = 0;
    uint8_t TaxpayerCategory = 5;
    uint8_t ReturnKind = kReturnResident;
    uint8_t IncomeKinds = 0;
    uint8_t AutoCountSheets = 0;
    int32_t SupportingSheets = 0;
    int32_t ForeignExpenseDocs = 0;
    int32_t DeclInt48 = 0;
    int32_t MonthsWorked = 0;
    int32_t DeclInt56 = 0, DeclInt60 = 0, DeclInt64 = 0, DeclInt68 = 0;
    int32_t InfoLayout = 1;
    int32_t DeclInt76 = 0;
    Currency ActualAdvancePayments;
    Currency AssessedAdvancePayments;
    Currency EstimatedIncome;
    Currency BusinessAmount120;
    std::string RepresentativeDocument;
    TDateTime FarmFoundingDate;
    Currency FarmExemptIncome;
    uint8_t IsPeasantFarm = 0;
    std::string RepresentativeName;
    std::string RepresentativeOrganisation;
    Currency ForeignerFixedAdvance;
    Currency CorrectedIncome;
    Currency CorrectedExpense;
    Currency PatentPayments;
    Currency TradeLevy;
    Currency InvestmentDeduction;
    Currency InvestmentDeductionReturn;

    RecordList<mTThirteenPercent> Sources13;
    RecordList<mTThirteenPercent> Sources13NR;
    RecordList<mTThirtyFivePercent> Sources35;
    RecordList<mTThirtyPercent> DividendSources;
    RecordList<mTThirtyPercent> Sources9;
    RecordList<mTCurrencyIncome> CurrencyIncomes;
    RecordList<mTBusinessNew> Businesses;
    RecordList<mTNalog> TaxPayments;
    RecordList<mTFifthListItem> FifthList;
    RecordList<mTInvestTov> InvestPartnerships;

    std::unique_ptr<mTPersonInformation> Person;
    std::unique_ptr<mTStandartDeduct> Standard;
    std::unique_ptr<mTSocialDeduct> Social;
    std::unique_ptr<mTConstructionDeduct> Property;
    std::unique_ptr<mTCBDeduct> Securities;

    template <class V>
    void fields(V& v) {
        v("InspectionCode", InspectionCode); v("InspectionName", InspectionName);
        v("DeclFlag", DeclFlag); v("CorrectionNumber", CorrectionNumber);
        v("SigningDate", SigningDate); v("ConfirmationKind", ConfirmationKind);
        v("TaxpayerCategory", TaxpayerCategory); v("ReturnKind", ReturnKind);
        v("IncomeKinds", IncomeKinds); v("AutoCountSheets", AutoCountSheets);
        v("SupportingSheets", SupportingSheets); v("ForeignExpenseDocs", ForeignExpenseDocs);
        v("DeclInt48", DeclInt48); v("MonthsWorked", MonthsWorked);
        v("DeclInt56", DeclInt56); v("DeclInt60", DeclInt60); v("DeclInt64", DeclInt64);
        v("DeclInt68", DeclInt68); v("InfoLayout", InfoLayout); v("DeclInt76", DeclInt76);
        v("ActualAdvancePayments", ActualAdvancePayments);
        v("AssessedAdvancePayments", AssessedAdvancePayments);
        v("EstimatedIncome", EstimatedIncome); v("BusinessAmount120", BusinessAmount120);
        v("RepresentativeDocument", RepresentativeDocument); v("FarmFoundingDate", FarmFoundingDate);
        v("FarmExemptIncome", FarmExemptIncome); v("IsPeasantFarm", IsPeasantFarm);
        v("RepresentativeName", RepresentativeName);
        v("RepresentativeOrganisation", RepresentativeOrganisation);
        v("ForeignerFixedAdvance", ForeignerFixedAdvance); v("CorrectedIncome", CorrectedIncome);
        v("CorrectedExpense", CorrectedExpense); v("PatentPayments", PatentPayments);
        v("TradeLevy", TradeLevy); v("InvestmentDeduction", InvestmentDeduction);
        v("InvestmentDeductionReturn", InvestmentDeductionReturn);
    }

private:
    void save(mTDocumentStorage& s) const;
    void load(mTDocumentStorage& s);
    void saveDeclInfo(mTDocumentStorage& s) const;
    void loadDeclInfo(mTDocumentStorage& s);
};

} // namespace velmar
