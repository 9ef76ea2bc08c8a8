// Under НДФЛ3: partly exempt income, the property deductions, standard and
// social deductions, pension and investment deductions, professional deductions.
#include "compute/SvodSum.h"
#include "export/ExportError.h"
#include "export/Sections.h"
#include "export/XmlWriter.h"

#include <cstdint>

namespace velmar {

namespace {

const Currency kZero;


// A sum of two summary amounts that cannot overflow, whatever a damaged return holds.
Currency saturatingSum(Currency a, Currency b) {
    const __int128 sum = static_cast<__int128>(a.units()) + b.units();
    if (sum > INT64_MAX)
        return Currency::fromUnits(INT64_MAX);
    if (sum < INT64_MIN)
        return Currency::fromUnits(INT64_MIN);
    return Currency::fromUnits(static_cast<int64_t>(sum));
}

void setIfPositive(XmlElement element, std::string_view name, Currency value) {
    if (value > kZero)
        SetAttr(element, name, FormatSum2(value));
}

// ---------------------------------------------------------------- property purchase

std::string objectKindCode(int32_t kind) {
    // Kind 8 of the object dialog is a share in a dwelling, code 4 of the file.
    return kind == 8 ? "4" : std::to_string(kind);
}

std::string ownershipKindCode(int32_t kind) {
    if (kind == 5)
        return "3";
    if (kind >= 6)
        return "2";
    return std::to_string(kind);
}

std::string taxpayerSignCode(int32_t sign) {
    switch (sign) {
    case 1: return "01";
    case 2: return "02";
    case 3: return "03";
    case 4: return "13";
    case 5: return "23";
    default:
        throw ExportError("Не указан признак налогоплательщика для объекта имущественного вычета ("
                          + std::to_string(sign) + ")");
    }
}

void writePropertyObject(XmlElement parent, const mTConstructionDeductObj& object) {
    XmlElement element = AddElement(parent, "СвОбъектРасх");
    SetAttr(element, "КодНаимОб", objectKindCode(object.ObjectKind));
    SetAttr(element, "ВидСобствОб", ownershipKindCode(object.OwnershipKind));
    SetAttr(element, "ПризнакНП", taxpayerSignCode(object.TaxpayerSign));
    // The pensioner's carry-back of the deduction to earlier years.
    SetAttr(element, "ВычЗаяв220.10", object.IsPensioner ? "1" : "0");
    if (HasTransferAct(object)) {
        SetAttr(element, "ДатаАкт", FormatDate(DecisiveObjectDate(object), "ДатаАкт"));
    } else {
        SetAttr(element, "ДатаРегЖил", FormatDate(object.OwnershipRegDate, "ДатаРегЖил"));
        if (object.ObjectKind > 4) // a house with its land
            SetAttr(element, "ДатаРегЗем", FormatDate(object.LandRegDate, "ДатаРегЗем"));
    }
    if (object.OwnershipKind == 6 || object.OwnershipKind == 3 || (object.OwnershipKind == 1 && object.TaxpayerSign == 2))
        SetAttr(element, "ДатаЗаявВыч", FormatDate(object.ApplicationDate, "ДатаЗаявВыч"));
    if (object.ShowShare != 0)
        SetAttr(element, "ДолСобств", std::to_string(object.ShareNumerator) + "/" + std::to_string(object.ShareDenominator));
    SetAttr(element, "ГодНачИспВыч", FormatYear(object.PrivilegeStartDate, "ГодНачИспВыч"));
    SetAttr(element, "СумРасхФакт", FormatSum2(object.ActualExpenses));
    SetAttr(element, "СумФактУплПроц", FormatSum2(object.ObjectInterest));

    WriteAddressParts(AddElement(element, "АдрОбъект"),
                      {object.PostIndex, PadZeros(object.RegionCode, 2), object.District, object.City,
                       object.Locality, object.Street, object.House, object.Building, object.Flat});
}

// ---------------------------------------------------------------- pairs of amounts

void writePair(XmlElement parent, const char* element, const char* first, Currency a, const char* second, Currency b) {
    XmlElement child = AddElement(parent, element);
    SetAttr(child, first, FormatSum2(a));
    SetAttr(child, second, FormatSum2(b));
}

void writeProfessional(XmlElement ndfl3, const char* sourceKind, const kTSvodSumProfDeductions& g) {
    if (!(g.Total > kZero))
        return;
    XmlElement element = AddElement(ndfl3, "ПрофНалВыч");
    SetAttr(element, "ПрИст", sourceKind);
    SetAttr(element, "РасходОбщИт", FormatSum2(g.Total));
    const struct {
        const char* element;
        const char* incomeName;
        Currency income, expenses;
    } rows[] = {
        {"РасхФактДогГПХ", "СумДохДогГПХ", g.ContractIncome, g.ContractExpenses},
        {"РасхФактАвтВозн", "СумАвторВозн", g.AuthorIncome, g.AuthorExpenses},
        {"РасхНормАвтВозн", "СумАвторВозн", g.AuthorNormIncome, g.AuthorNormExpenses},
        {"РасхФактУстКап", "СумДохУстКап", g.CapitalShareIncome, g.CapitalShareExpenses},
        {"РасхФактПрдчСр", "СумДохПрдчСр", g.AssetSaleIncome, g.AssetSaleExpenses},
        {"РасхФактУмДолУКО", "СумДохУмДолУКО", g.ReducedShareIncome, g.ReducedShareExpenses},
        {"РасхФактДолСтр", "СумДохУстПрав", g.RightsAssignIncome, g.RightsAssignExpenses},
    };
    for (const auto& row : rows)
        if (row.expenses > kZero)
            writePair(element, row.element, row.incomeName, row.income, "СумРасхВыч", row.expenses);
}

} // namespace

void WriteExemptIncome(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    const kTSvodSumPrilM& m = svod.PrilM;
    if (!PositiveSum({m.TotalExempt, m.AdPrizeExempt}))
        return;
    XmlElement element = AddElement(ndfl3, "ДоходОсвПрев");
    SetAttr(element, "ДохНеНалОбщ", FormatSum2(m.TotalExempt));
    const struct {
        const char* element;
        Currency income, exempt;
    } rows[] = {
        {"МатПомРожд", m.BirthHelpIncome, m.BirthHelpExempt},
        {"МатПомРаб", m.EmployerHelpIncome, m.EmployerHelpExempt},
        {"МатПомИнв", m.DisabledHelpIncome, m.DisabledHelpExempt},
        {"ПодарНП", m.GiftIncome, m.GiftExempt},
        {"ПризНП", m.PrizeIncome, m.PrizeExempt},
        {"ВозмМед", m.MedicalIncome, m.MedicalExempt},
        {"ПомПодар", m.HelpIncome, m.HelpExempt},
        {"ДопСВПенс", m.PensionContribIncome, m.PensionContribExempt},
        {"НатОплСХ", m.FarmPayIncome, m.FarmPayExempt},
        {"ПризРекл", m.AdPrizeIncome, m.AdPrizeExempt},
    };
    for (const auto& row : rows) {
        if (!(row.exempt > kZero))
            continue;
        XmlElement child = AddElement(element, row.element);
        // Payment in kind to agricultural workers names the months worked first.
        if (std::string_view(row.element) == "НатОплСХ")
            SetAttr(child, "КолМесОтраб", std::to_string(d.MonthsWorked));
        SetAttr(child, "ДоходВсИст", FormatSum2(row.income));
        SetAttr(child, "ДоходНеНал", FormatSum2(row.exempt));
    }
}

void WritePropertyPurchase(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    if (d.ReturnKind != kReturnResident || !d.Property || !d.Property->Granted || d.Property->ObjectCount() == 0
        || d.IncomeKinds == 0)
        return;
    const kTSvodSumPrilZ& z = svod.PrilZ;
    XmlElement calculation = AddElement(AddElement(ndfl3, "ИмущНалВычНов"), "РасчИмущВыч");
    SetAttr(calculation, "ВычНовЗачПред", FormatSum2(z.PriorPurchase));
    SetAttr(calculation, "ВычПроцЗачПред", FormatSum2(z.PriorInterest));
    SetAttr(calculation, "ОстВычПршПред", FormatSum2(z.CarriedPurchase));
    SetAttr(calculation, "ПроцПршПред", FormatSum2(z.CarriedInterest));
    SetAttr(calculation, "ВычНАУвед", FormatSum2(z.AgentPurchase));
    SetAttr(calculation, "ПроцНАУвед", FormatSum2(z.AgentInterest));
    SetAttr(calculation, "НалБаз13БезВыч", FormatSum2(z.BaseAvailable));
    SetAttr(calculation, "РасхНовВычНД", FormatSum2(z.PurchaseNow));
    SetAttr(calculation, "ПроцВычНД", FormatSum2(z.InterestNow));
    SetAttr(calculation, "ОстИВБезПроц", FormatSum2(z.PurchaseRest));
    SetAttr(calculation, "ОстИВУплПроц", FormatSum2(z.InterestRest));
    for (size_t i = 0; i < d.Property->ObjectCount(); ++i)
        writePropertyObject(calculation, d.Property->ObjectItem(i));
}

void WritePropertySale(XmlElement ndfl3, const kTSvodSum& svod) {
    const kTSvodSumPrilH1& h = svod.PrilH1;
    if (!(h.Total > kZero))
        return;
    XmlElement element = AddElement(ndfl3, "ИмущНалВычПр");
    SetAttr(element, "ВычетОбщ", FormatSum2(h.Total));
    if (PositiveSum({h.HousingDeduction, h.HousingShareDeduction, h.HousingExpenses})) {
        XmlElement housing = AddElement(element, "ВычЖилИмущ");
        if (h.HousingDeduction > kZero)
            writePair(housing, "СумИмущ", "ДохВсехИст", h.HousingIncome, "НалВычет", h.HousingDeduction);
        if (h.HousingShareDeduction > kZero)
            writePair(housing, "СумДолИмущ", "ДохВсехИст", h.HousingShareIncome, "НалВычет", h.HousingShareDeduction);
        if (h.HousingExpenses > kZero)
            writePair(housing, "СумИмущДок", "ДохВсехИст", h.HousingExpIncome, "РасхДок", h.HousingExpenses);
    }
    if (PositiveSum({h.OtherRealDeduction, h.OtherRealExpenses, h.OtherPropDeduction, h.OtherPropExpenses})) {
        XmlElement other = AddElement(element, "ВычИноеИмущ");
        // The fixed deductions are listed by their income, the documented
        // expenses by the expenses.
        if (h.OtherRealIncome > kZero)
            writePair(other, "СумИнНедИмущ", "ДохВсехИст", h.OtherRealIncome, "НалВычет", h.OtherRealDeduction);
        if (h.OtherRealExpenses > kZero)
            writePair(other, "СумИнНедИмущДок", "ДохВсехИст", h.OtherRealExpIncome, "РасхДок", h.OtherRealExpenses);
        if (h.OtherPropIncome > kZero)
            writePair(other, "СумИнИмущ", "ДохВсехИст", h.OtherPropIncome, "НалВычет", h.OtherPropDeduction);
        if (h.OtherPropExpenses > kZero)
            writePair(other, "СумИнИмущДок", "ДохВсехИст", h.OtherPropExpIncome, "РасхДок", h.OtherPropExpenses);
    }
    if (h.RedemptionDeduction > kZero)
        writePair(AddElement(element, "ВычИзтИмущ"), "СумИзтИмущ", "ДохВсехИст", h.RedemptionIncome, "НалВычет",
                  h.RedemptionDeduction);
}

void WriteStandardAndSocial(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    const bool standardOn = d.Standard && d.Standard->Granted;
    const bool socialOn = d.Social && d.Social->Granted;
    if (d.ReturnKind != kReturnResident || !(standardOn || socialOn) || d.IncomeKinds == 0)
        return;
    const kTSvodSumPrilE1& e1 = svod.PrilE1;
    const kTSvodSumPrilE2& e2 = svod.PrilE2;
    XmlElement element = AddElement(ndfl3, "ВычСтандСоц");
    SetAttr(element, "ВычСтандСоц", FormatSum2(saturatingSum(e1.Total, e2.Total)));

    XmlElement standard = AddElement(element, "РасчВычСтанд");
    if (standardOn) {
        setIfPositive(standard, "ВычСт218.1.1", e1.Own3000);
        setIfPositive(standard, "ВычСт218.1.2", e1.Own500);
        SetAttr(standard, "КолМесНеПрев", std::to_string(e1.MonthsUnderLimit));
        setIfPositive(standard, "ВычСтРеб", e1.Child);
        setIfPositive(standard, "ВычСтРебЕд", e1.ChildDouble);
        setIfPositive(standard, "ВычСтРебИнв", e1.ChildDisabled);
        setIfPositive(standard, "ВычСтРебИнвЕд", e1.ChildDisabledDouble);
        SetAttr(standard, "ОбщВычСтанд", FormatSum2(e1.Total));
    } else {
        SetAttr(standard, "ОбщВычСтанд", "0");
    }

    if (!socialOn)
        return;
    if (e2.UnlimitedTotal > kZero) {
        XmlElement unlimited = AddElement(element, "РасчВычСоцБез219.2");
        setIfPositive(unlimited, "СумБлагЦел", e2.Charity);
        setIfPositive(unlimited, "СумОбуч", e2.ChildEducation);
        setIfPositive(unlimited, "СумЛечен", e2.ExpensiveTreatment);
        SetAttr(unlimited, "ИтогВычСоциал", FormatSum2(e2.UnlimitedTotal));
    }
    if (PositiveSum({e2.Total, e2.GrantedByAgents})) {
        XmlElement limited = AddElement(element, "РасчВычСоц219.2");
        setIfPositive(limited, "СумОбуч", e2.OwnEducation);
        setIfPositive(limited, "СумЛечен", e2.Treatment);
        setIfPositive(limited, "СумЛичСтрах", e2.Insurance);
        setIfPositive(limited, "СумПенсСтрах", e2.PensionContrib);
        setIfPositive(limited, "ОбщСумРасх", e2.LimitedTotal);
        setIfPositive(limited, "ОбщСНВОтчПерНА", e2.GrantedByAgents);
        SetAttr(limited, "ОбщВычСоциал", FormatSum2(e2.Total));
    }
}

void WritePensionAndInvestment(XmlElement ndfl3, const kTSvodSum& svod) {
    const kTSvodSumPrilE3& e3 = svod.PrilE3;
    const bool investment = PositiveSum({e3.InvestDeduction, e3.InvestRestore});
    if (e3.Contracts.empty() && e3.AddContribs.empty() && !investment)
        return;
    XmlElement element = AddElement(ndfl3, "ВычСоцИнв219");
    XmlElement pension = AddElement(element, "РасчПенсВзнос");
    SetAttr(pension, "ОбщВзносВыч", FormatSum2(e3.PensionTotal));
    if (!e3.Contracts.empty()) {
        XmlElement contracts = AddElement(pension, "РасчПСВВыч");
        SetAttr(contracts, "СумВзносУпл", FormatSum2(e3.PensionPaid));
        SetAttr(contracts, "СумВзносВыч", FormatSum2(e3.PensionDeductible));
        for (const mbTPens& line : e3.Contracts) {
            XmlElement contract = AddElement(contracts, "СведДогНПО");
            SetAttr(contract, "ВидДоговор", std::to_string(line.Kind));
            SetAttr(contract, "ДатаДогНПО", FormatDate(line.ContractDate, "ДатаДогНПО"));
            SetAttr(contract, "НомДогНПО", line.ContractNumber);
            XmlElement fund = AddElement(contract, "СведИст");
            SetAttr(fund, "Наим", line.SourceName);
            SetAttr(fund, "ИННЮЛ", line.SourceINN);
            SetAttr(fund, "КПП", line.SourceKPP);
        }
    }
    if (!e3.AddContribs.empty()) {
        XmlElement additional = AddElement(pension, "РасчДопСВВыч");
        SetAttr(additional, "СумВзносУпл", FormatSum2(e3.AddPaid));
        SetAttr(additional, "СумВзносВыч", FormatSum2(e3.AddDeductible));
    }
    if (investment) {
        XmlElement invest = AddElement(element, "РасчИнвВыч");
        SetAttr(invest, "СумИнвВыч219", FormatSum2(e3.InvestDeduction));
        SetAttr(invest, "ИнвВычПредВосст", FormatSum2(e3.InvestRestore));
    }
}

void WriteProfessionalDeductions(XmlElement ndfl3, const kTSvodSum& svod) {
    writeProfessional(ndfl3, "1", svod.PrilG);
    writeProfessional(ndfl3, "2", svod.PrilG_In);
}

} // namespace velmar
