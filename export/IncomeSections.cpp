// Under НДФЛ3: tax to pay or refund, tax base per rate, income sources in
// Russia, foreign income and business income.
#include "compute/Rounding.h"
#include "compute/SvodSum.h"
#include "export/ExportError.h"
#include "export/Sections.h"
#include "export/XmlWriter.h"
#include "platform/CodePage.h"

namespace velmar {

namespace {


// ---------------------------------------------------------------- tax bases

struct RateEntry {
    const char* rate;
    const kTSvodSumRateList* list;
};

bool rateHasData(const kTSvodSumRateList& l) {
    // What is to pay, to refund and the tax assessed follow from the rest and
    // do not count.
    return PositiveSum({l.TotalIncome, l.ExemptIncome, l.Deductions, l.TaxableIncome, l.ExpensesLosses,
                        l.DividendIncome, l.TaxBase, l.TaxComputed, l.TaxWithheld, l.WithheldMatBenefit,
                        l.AdvancesPaid, l.FixedAdvanceCredit, l.ForeignTaxCredit, l.PatentCredit,
                        l.TradeLevyCredit});
}

void writeTaxBase(XmlElement ndfl3, const char* rate, const kTSvodSumRateList& l) {
    XmlElement base = AddElement(ndfl3, "НалБаза");
    SetAttr(base, "Ставка", rate);
    XmlElement income = AddElement(base, "РасчНалБаза");
    SetAttr(income, "ДоходОбщ", FormatSum2(l.TotalIncome));
    SetAttr(income, "ДоходОбщНеНал", FormatSum2(l.ExemptIncome));
    SetAttr(income, "ДоходОбщНал", FormatSum2(l.TaxableIncome));
    SetAttr(income, "СумНалВыч", FormatSum2(l.Deductions));
    SetAttr(income, "СумРасхУм", FormatSum2(l.ExpensesLosses));
    SetAttr(income, "СумДохДивКИК", FormatSum2(l.DividendIncome));
    SetAttr(income, "НалБаза", FormatSum2(l.TaxBase));
    XmlElement tax = AddElement(base, "РасчНалПУ");
    SetAttr(tax, "Исчисл", FormatTaxRoubles(l.TaxComputed));
    SetAttr(tax, "УдержОбщ", FormatTaxRoubles(l.TaxWithheld));
    SetAttr(tax, "УдержОбщМВ", FormatTaxRoubles(l.WithheldMatBenefit));
    SetAttr(tax, "УплАвФакт", FormatTaxRoubles(l.AdvancesPaid));
    SetAttr(tax, "ОбщАвУплЗач227.1", FormatTaxRoubles(l.FixedAdvanceCredit));
    SetAttr(tax, "УплИнПодлЗач", FormatTaxRoubles(l.ForeignTaxCredit));
    SetAttr(tax, "ИсчислУпл", FormatTaxRoubles(l.TaxAssessed));
    SetAttr(tax, "УплПатентЗач", FormatTaxRoubles(l.PatentCredit));
    SetAttr(tax, "ТСУплПерЗач", FormatTaxRoubles(l.TradeLevyCredit));
    SetAttr(tax, "ПодлУпл", FormatTaxRoubles(l.ToPay));
    SetAttr(tax, "ПодлВозв", FormatTaxRoubles(l.ToRefund));
}

// ---------------------------------------------------------------- sources in Russia

// Ставка, ВидДоход, ОКТМО, Доход, ДоходОбл, НалИсчисл, НалУдерж, then the
// source as a person (ИстФЛИн) or an organisation (ИстЮЛ).
void writeSource(XmlElement ndfl3, const char* rate, const mTSourseIncomeInfo& source, Currency taxable,
                 Currency taxComputed) {
    XmlElement element = AddElement(ndfl3, "ДоходИстРФ");
    SetAttr(element, "Ставка", rate);
    SetAttr(element, "ВидДоход", source.IncomeTypeCode);
    SetAttrIfNotBlank(element, "ОКТМО", source.SourceOKTMO);
    SetAttr(element, "Доход", FormatSum2(source.TotalIncome));
    SetAttr(element, "ДоходОбл", FormatSum2(taxable));
    SetAttr(element, "НалИсчисл", FormatTaxRoubles(taxComputed));
    SetAttr(element, "НалУдерж", FormatTaxRoubles(source.TaxWithheld));
    // An organisation's ИНН has ten digits; a person's source has no КПП.
    if (utf8Length(source.SourceINN) != 10 && IsBlankText(source.SourceKPP)) {
        XmlElement person = AddElement(element, "ИстФЛИн");
        SetAttr(person, "ФИОИн", source.SourceName);
        SetAttrIfNotBlank(person, "ИННФЛ", source.SourceINN);
    } else {
        XmlElement organisation = AddElement(element, "ИстЮЛ");
        SetAttr(organisation, "Наим", source.SourceName);
        SetAttr(organisation, "ИННЮЛ", source.SourceINN);
        SetAttr(organisation, "КПП", source.SourceKPP);
    }
}

template <class List>
void writeSources(XmlElement ndfl3, const char* rate, const List& list) {
    for (size_t i = 0; i < list.Count(); ++i) {
        const auto& source = list.Item(i);
        writeSource(ndfl3, rate, source, source.TaxableIncome, source.TaxComputed);
    }
}

// ---------------------------------------------------------------- foreign income

void writeForeignLine(XmlElement parent, const DohodCur& line, const std::string& incomeKind) {
    XmlElement element = AddElement(parent, "РасчДохНалИно");
    SetAttr(element, "ОКСМ", PadZeros(line.CountryCode, 3));
    SetAttr(element, "НаимИстДох", line.SourceName);
    SetAttr(element, "КодВалют", PadZeros(line.CurrencyCode, 3));
    SetAttr(element, "КодВидДох", incomeKind);
    SetAttr(element, "ДатаДох", FormatDate(line.IncomeDate, "ДатаДох"));
    SetAttr(element, "КурсВалютДох", FormatExchangeRate(line.IncomeRateText, "КурсВалютДох"));
    SetAttr(element, "ДоходИноВал", CommaToPoint(line.IncomeInCurrencyText));
    SetAttr(element, "ДоходИноРуб", FormatSum2(line.IncomeInRoubles));
    if (line.TaxInRoubles > Currency()) {
        SetAttr(element, "ДатаУплНал", FormatDate(line.TaxPaymentDate, "ДатаУплНал"));
        SetAttr(element, "КурсВалютНал", FormatExchangeRate(line.TaxRateText, "КурсВалютНал"));
        SetAttr(element, "НалУплИноВал", CommaToPoint(line.TaxInCurrencyText));
        SetAttr(element, "НалУплИноРуб", FormatSum2(line.TaxInRoubles));
    }
    if (line.RussianTax > Currency())
        SetAttr(element, "НалЗачРФОбщ", FormatTaxRoubles(line.RussianTax));
    if (line.TaxCredited > Currency())
        SetAttr(element, "НалогЗачРФОбщ", FormatTaxRoubles(line.TaxCredited));
}

// Foreign income at 9% and 35% is always of kind "2"; at 13% each line has its own kind.
void writeForeignRate(XmlElement ndfl3, const char* rate, const kTSvodSumPrilB& sheet, const char* fixedKind) {
    XmlElement element = AddElement(ndfl3, "ДоходИстИно");
    SetAttr(element, "Ставка", rate);
    for (const DohodCur& line : sheet.Lines)
        writeForeignLine(element, line, fixedKind ? std::string(fixedKind) : line.IncomeKind);
}

// ---------------------------------------------------------------- business

void writeActivity(XmlElement parent, const mTBusinessNew& business) {
    XmlElement element = AddElement(parent, "РасчВидДеят");
    SetAttr(element, "ВидДеят", business.ActivityKind);
    if (business.ActivityKind == "1")
        SetAttr(element, "ОКВЭД", business.ActivityCode);
    SetAttr(element, "Доход", FormatSum2(business.BusinessIncome));
    auto setNonZero = [&](const char* name, Currency value) {
        if (!value.isZero())
            SetAttr(element, name, FormatSum2(value));
    };
    if (business.HasDocumentedExpenses) {
        setNonZero("РасхФакт", business.TotalExpenses);
        setNonZero("РасхФМат", business.MaterialExpenses);
        setNonZero("РасхФАмНач", business.Depreciation);
        setNonZero("РасхФОплТруд", business.LabourCosts);
        setNonZero("РасхФТрДог", business.LabourUnderContracts);
        setNonZero("РасхФПроч", business.OtherExpenses);
    } else {
        setNonZero("РасхПредНорм", business.ExpensesWithoutDocuments);
    }
}

} // namespace

bool PositiveSum(std::initializer_list<Currency> amounts) {
    __int128 sum = 0;
    for (Currency amount : amounts)
        sum += amount.units();
    return sum > 0;
}

void WriteTaxToPay(XmlElement ndfl3, const kTSvodSum& svod) {
    for (const bmTList1& line : svod.List6.Lines) {
        XmlElement element = AddElement(ndfl3, "СумНалПу");
        SetAttr(element, "ПрУплВозв", line.Sign);
        SetAttr(element, "КБК", line.Kbk);
        SetAttr(element, "ОКТМО", line.Oktmo);
        SetAttr(element, "ПодлУпл", line.Sign == kSignPay ? FormatTaxRoubles(line.Amount) : "0");
        SetAttr(element, "ПодлВозв", line.Sign == kSignRefund ? FormatTaxRoubles(line.Amount) : "0");
    }
}

void WriteTaxBases(XmlElement ndfl3, const kTSvodSum& svod) {
    // The rate is fixed by the list's place, so the 13% base written for a
    // return without data carries its rate even though nothing filled the list.
    const RateEntry rates[] = {
        {"13", &svod.List1}, {"30", &svod.List2}, {"35", &svod.List3}, {"09", &svod.List4}, {"15", &svod.List5},
    };
    bool written = false;
    for (const RateEntry& entry : rates)
        if (rateHasData(*entry.list)) {
            writeTaxBase(ndfl3, entry.rate, *entry.list);
            written = true;
        }
    if (!written)
        writeTaxBase(ndfl3, "13", svod.List1);
}

void WriteRussianSources(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    const Currency perRecord = Currency::fromRoubles(1);
    const auto records = [&](size_t count) { return perRecord * static_cast<int64_t>(count); };
    // Every list of sources counts, the 9% sources included: a return with
    // only 9% income has its sources listed like any other.
    if (!PositiveSum({records(d.Sources13.Count()), records(d.Sources13NR.Count()),
                      records(d.DividendSources.Count()), records(d.Sources9.Count()),
                      records(d.InvestPartnerships.Count()), svod.PrilA35.TotalIncome}))
        return;
    const bool resident = d.ReturnKind == kReturnResident;
    const bool nonResident = d.ReturnKind == kReturnNonResident;
    if (resident)
        writeSources(ndfl3, "09", d.Sources9);
    if (resident)
        writeSources(ndfl3, "13", d.Sources13);
    if (resident || nonResident)
        writeSources(ndfl3, resident ? "13" : "30", d.InvestPartnerships);
    if (resident)
        writeSources(ndfl3, "13", d.DividendSources);
    if (nonResident) {
        writeSources(ndfl3, "13", d.Sources13NR);
        // A non-resident's dividends are taxed at 15% source by source.
        for (size_t i = 0; i < d.DividendSources.Count(); ++i) {
            const mTThirtyPercent& source = d.DividendSources.Item(i);
            writeSource(ndfl3, "15", source, source.TaxableIncome, TaxAtRate(source.TaxableIncome, TaxRate::Percent15));
        }
        writeSources(ndfl3, "30", d.Sources13);
    }
    if (resident && svod.PrilA35.TotalIncome > Currency()) {
        // Loan benefit on new housing (2620) is exempt and not a source of this sheet.
        constexpr int32_t kExemptLoanBenefit = 2620;
        for (size_t i = 0; i < d.Sources35.Count(); ++i) {
            const mTThirtyFivePercent& source = d.Sources35.Item(i);
            if (source.IncomeCode != kExemptLoanBenefit)
                writeSource(ndfl3, "35", source, source.TaxableIncome, source.TaxComputed);
        }
    }
}

void WriteForeignIncome(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    if (!(d.IncomeKinds & kIncomeCurrency))
        return;
    if (svod.PrilB9.OtherIncome > Currency())
        writeForeignRate(ndfl3, "09", svod.PrilB9, "2");
    if (svod.PrilB13.OtherIncome > Currency() || svod.PrilB13.KikProfit > Currency()
        || svod.PrilB13.Dividends > Currency())
        writeForeignRate(ndfl3, "13", svod.PrilB13, nullptr);
    if (svod.PrilB35.OtherIncome > Currency())
        writeForeignRate(ndfl3, "35", svod.PrilB35, "2");
}

void WriteBusinessIncome(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    if (!(d.IncomeKinds & kIncomeBusiness) || d.Businesses.Count() == 0)
        return;
    XmlElement element = AddElement(ndfl3, "ДоходПредпр");
    SetAttr(element, "ДоходИт", FormatSum2(svod.PrilV1.Income));
    SetAttr(element, "ВычПрофИт", FormatSum2(svod.PrilV1.ProfDeduction));
    if (svod.PrilV1.AdvancesAssessed > Currency())
        SetAttr(element, "НачислАвИт", FormatTaxRoubles(svod.PrilV1.AdvancesAssessed));
    if (svod.PrilV1.AdvancesPaid > Currency())
        SetAttr(element, "УплФактАвИт", FormatTaxRoubles(svod.PrilV1.AdvancesPaid));
    for (size_t i = 0; i < d.Businesses.Count(); ++i)
        writeActivity(element, d.Businesses.Item(i));
    if (d.IsPeasantFarm) {
        XmlElement farm = AddElement(element, "СведКФХ");
        SetAttr(farm, "ГодРегКФХ", FormatYear(d.FarmFoundingDate, "ГодРегКФХ"));
        SetAttr(farm, "ДоходНеНал", FormatSum2(d.FarmExemptIncome));
    }
    if (d.CorrectedIncome > Currency() || d.CorrectedExpense > Currency()) {
        XmlElement corrected = AddElement(element, "НБКор105.3");
        SetAttr(corrected, "НБКорСам", FormatSum2(d.CorrectedIncome));
        SetAttr(corrected, "НалКорСам", FormatTaxRoubles(d.CorrectedExpense));
    }
}

} // namespace velmar
