// The document of small returns against XML written by hand from the file's
// rules (data/*.xml). The date and GUID are fixed; the driver's own date and
// GUID are tested in ExportDriverTest.
#include "ExportTestSupport.h"

#include "model/Json.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace velmar::test;

std::unique_ptr<mTDeclaration> fromJson(const std::string& text) { return DeclarationFromJsonText(text); }

std::unique_ptr<mTDeclaration> fromJsonFile(const std::string& name) {
    return DeclarationFromJsonText(readBytes(std::filesystem::path(EXPORT_TEST_DATA) / name));
}

std::string ndfl3Of(const std::string& xml) {
    const size_t begin = xml.find("<НДФЛ3>");
    const size_t end = xml.find("</НДФЛ3>");
    if (begin == std::string::npos || end == std::string::npos)
        return "(no НДФЛ3)";
    return xml.substr(begin, end + std::string("</НДФЛ3>").size() - begin);
}

TEST(GoldenXml, TitleTaxpayerWithInnAndRepresentative) {
    auto d = fromJson(R"({
        "InspectionCode": "7725", "CorrectionNumber": 2, "ReturnKind": 0, "TaxpayerCategory": 6,
        "ConfirmationKind": 1, "SigningDate": "01.04.2016",
        "RepresentativeName": "  сидоров-КОЗЛОВСКИЙ   анатолий  ильич оглы ",
        "RepresentativeDocument": "Доверенность 77 АБ № 123 от 01.02.2016",
        "Person": {"Surname": "ёлкина", "FirstName": "Мария", "Patronymic": "  ", "INN": "772512345678",
                   "Phone": "+7 495 123-45-67", "BirthDate": "15.03.1980", "BirthPlace": "г. Москва",
                   "CountryCode": "36", "DocTypeCode": 0, "DocSeriesNumber": "не пишется", "StayAddress": 1,
                   "PostIndex": "115035", "RegionCode": 7, "District": " ", "City": "Нальчик",
                   "Street": "ул. Ленина", "House": "5", "Flat": "12"}})");
    EXPECT_SAME_XML(builtXml(*d, kTSvodSum{}), expectedXml("title_resident.xml"));
}

TEST(GoldenXml, TitleTaxpayerWithoutInnCarriesTheIdentityDocument) {
    auto d = fromJson(R"({
        "InspectionCode": "0105", "ReturnKind": 1, "TaxpayerCategory": 5, "ConfirmationKind": 0,
        "RepresentativeName": "Не пишется",
        "Person": {"Surname": "щщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщ",
                   "FirstName": "Джон", "Patronymic": "Пол", "INN": "", "CountryCode": "",
                   "ForeignAddress": "Berlin & Co <Haus> \"3\""}})");
    EXPECT_SAME_XML(builtXml(*d, kTSvodSum{}), expectedXml("title_without_inn.xml"));
}

TEST(GoldenXml, EstimatedIncomeFile) {
    auto d = fromJsonFile("estimated_income.json");
    // The estimated-income file never reads the summaries.
    kTSvodSum svod;
    svod.List1.TotalIncome = rub("1000");
    EXPECT_SAME_XML(builtXml(*d, svod), expectedXml("estimated_income.xml"));
}

TEST(GoldenXml, SectionOneLinesAndTaxBasesPerRate) {
    mTDeclaration d;
    kTSvodSum svod;
    svod.List6.Lines = {{"18210102010011000110", "45382000", "2", rub("3000.4")},
                        {"18210102030011000110", "45000000", "1", rub("1234.5")},
                        {"18210102020011000110", "", "3", rub("0")}};
    kTSvodSumRateList& l1 = svod.List1;
    l1.TotalIncome = rub("600000");
    l1.ExemptIncome = rub("4000.5");
    l1.Deductions = rub("-1.25");
    l1.TaxableIncome = rub("596000.0999");
    l1.ExpensesLosses = rub("10");
    l1.DividendIncome = rub("0.01");
    l1.TaxBase = rub("1234567890123.45");
    l1.TaxComputed = rub("75816");
    l1.TaxWithheld = rub("78000.4999");
    l1.WithheldMatBenefit = rub("0.5");
    l1.AdvancesPaid = rub("1000.5");
    l1.FixedAdvanceCredit = rub("200");
    l1.ForeignTaxCredit = rub("3");
    l1.PatentCredit = rub("7");
    l1.TradeLevyCredit = rub("8");
    l1.ToRefund = rub("2184");
    svod.List3.TaxWithheld = rub("350");   // one amount that counts is enough
    svod.List4.ToPay = rub("90");          // to pay, to refund and assessed do not count
    svod.List4.ToRefund = rub("90");
    svod.List4.TaxAssessed = rub("90");
    svod.List5.DividendIncome = rub("100.5");
    svod.List5.TaxBase = rub("100.5");
    svod.List5.TaxComputed = rub("15");
    svod.List5.TaxWithheld = rub("15");
    EXPECT_SAME_XML(ndfl3Of(builtXml(d, svod)), expectedXml("sections_1_2.xml"));
}

// A source record with the values the computation and the pages leave in it.
template <class Record>
void fillSource(Record& r, const char* name, const char* inn, const char* kpp, const char* oktmo, const char* code,
                const char* taxable, const char* tax, const char* withheld) {
    r.SourceName = name;
    r.SourceINN = inn;
    r.SourceKPP = kpp;
    r.SourceOKTMO = oktmo;
    r.IncomeTypeCode = code;
    r.TaxableIncome = rub(taxable);
    r.TaxComputed = rub(tax);
    r.TaxWithheld = rub(withheld);
}

void addItem(mTThirteenPercent& source, int32_t code, const char* amount) {
    mTSourseIncome item;
    item.IncomeCode = code;
    item.IncomeAmount = rub(amount);
    source.Incomes.AddIncome(item);
}

TEST(GoldenXml, IncomeSourcesOfAResidentInListOrder) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRF | kIncomeInvestTov);
    d.Standard->Granted = 0;  // a new return grants them; this test is about the sources only
    auto& nine = d.Sources9.Item(d.Sources9.Add());
    fillSource(nine, "АО \"Ипотечный банк\"", "7700000009", "770001001", "45000000", "09", "1000", "90", "90");
    nine.TotalIncome = rub("1000");

    auto& org10 = d.Sources13.Item(d.Sources13.Add());
    fillSource(org10, "ООО Вектор", "7701234567", "", "  ", "06", "50000.5", "6500", "6500.4");
    addItem(org10, 2000, "50000.5");
    auto& person = d.Sources13.Item(d.Sources13.Add());
    fillSource(person, "Смирнов Павел", "500100732259", "", "46000000", "04", "20000", "2600", "0");
    addItem(person, 1400, "20000");
    auto& org12 = d.Sources13.Item(d.Sources13.Add());
    fillSource(org12, "ИП-холдинг", "772800000001", "772801001", "", "09", "0.0099", "0.5", "0");
    addItem(org12, 2010, "0.0099");

    auto& partnership = d.InvestPartnerships.Item(d.InvestPartnerships.Add());
    fillSource(partnership, "Товарищество", "", "", "", "03", "25000", "3250", "0");
    InvestIncomeItem line;
    line.OperationKind = 1;
    line.IncomeAmount = rub("30000");
    partnership.Incomes.AddIncome(line);

    auto& dividend = d.DividendSources.Item(d.DividendSources.Add());
    fillSource(dividend, "ПАО Дивиденд", "7702000001", "770201001", "45000000", "08", "10000", "1300", "1300");
    dividend.TotalIncome = rub("10000");

    auto& prize = d.Sources35.Item(d.Sources35.Add());
    fillSource(prize, "ООО Реклама", "7703000001", "770301001", "", "09", "6000", "2100", "2100");
    prize.IncomeCode = 2740;
    prize.TotalIncome = rub("10000");
    auto& loan = d.Sources35.Item(d.Sources35.Add());
    fillSource(loan, "Банк ипотека", "7703000002", "770301001", "", "", "500", "175", "175");
    loan.IncomeCode = 2620;
    loan.TotalIncome = rub("500");

    kTSvodSum svod;
    svod.PrilA35.TotalIncome = rub("10000");
    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), expectedXml("sources_resident.xml"));
}

TEST(GoldenXml, IncomeSourcesOfANonResidentWithDividendTaxAtFifteenPercent) {
    mTDeclaration d;
    d.ReturnKind = kReturnNonResident;
    d.SetIncomeKinds(kIncomeRF | kIncomeInvestTov);
    auto& partnership = d.InvestPartnerships.Item(d.InvestPartnerships.Add());
    fillSource(partnership, "Партнерство", "7704000001", "770401001", "", "03", "5000", "1500", "0");
    InvestIncomeItem line;
    line.IncomeAmount = rub("5000");
    partnership.Incomes.AddIncome(line);

    auto& north = d.Sources13NR.Item(d.Sources13NR.Add());
    fillSource(north, "ООО Север", "7705000001", "770501001", "45000000", "06", "100000", "13000", "13000");
    addItem(north, 2000, "100000");

    // The tax at 15% is computed here, whatever the record holds: 10 000.00
    // gives 1 500; 3.33 gives 0 (0.4995); 3.34 gives 1 (0.501).
    const char* taxable[] = {"10000", "3.33", "3.34"};
    const char* withheld[] = {"1500", "0", "0"};
    for (int i = 0; i < 3; ++i) {
        auto& dividend = d.DividendSources.Item(d.DividendSources.Add());
        const std::string name = "Эмитент " + std::to_string(i + 1);
        const std::string inn = "770800000" + std::to_string(i + 1);
        fillSource(dividend, name.c_str(), inn.c_str(), "770801001", "", "08", taxable[i], "999", withheld[i]);
        dividend.TotalIncome = rub(taxable[i]);
    }

    auto& south = d.Sources13.Item(d.Sources13.Add());
    fillSource(south, "ООО Юг", "7706000001", "770601001", "", "06", "40000", "12000", "12000");
    addItem(south, 2000, "40000");

    // Neither 9% nor 35% sources belong to a non-resident's sheet.
    auto& nine = d.Sources9.Item(d.Sources9.Add());
    fillSource(nine, "Не пишется", "7700000009", "770001001", "", "09", "1", "0", "0");
    auto& prize = d.Sources35.Item(d.Sources35.Add());
    fillSource(prize, "Не пишется", "7703000001", "770301001", "", "09", "1", "0", "0");
    prize.TotalIncome = rub("1");

    kTSvodSum svod;
    svod.PrilA35.TotalIncome = rub("1");
    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), expectedXml("sources_non_resident.xml"));
}

DohodCur foreignLine(const char* country, const char* currency, const char* source, TDateTime incomeDate,
                     const char* rate, const char* inCurrency, const char* inRoubles) {
    DohodCur line;
    line.CountryCode = country;
    line.CurrencyCode = currency;
    line.SourceName = source;
    line.IncomeDate = incomeDate;
    line.IncomeRateText = rate;
    line.IncomeInCurrencyText = inCurrency;
    line.IncomeInRoubles = rub(inRoubles);
    line.IncomeKind = "2";
    return line;
}

TEST(GoldenXml, ForeignIncomePerRate) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeCurrency);
    d.Standard->Granted = 0;
    kTSvodSum svod;
    svod.PrilB9.OtherIncome = rub("500");
    DohodCur bank = foreignLine("840", "840", "Bank of America", date(2015, 2, 10), "65,43215", "7,64 ", "500");
    bank.RussianTax = rub("45");
    bank.IncomeKind = "9";  // at 9% the kind is always 2
    svod.PrilB9.Lines = {bank};

    svod.PrilB13.Dividends = rub("70123.4");  // the third total alone makes the 13% element
    DohodCur dividend = foreignLine("36", "36", "Dividend Corp", date(2015, 6, 1), "70.1234", "1000.00", "70123.4");
    dividend.TaxPaymentDate = date(2015, 6, 2);
    dividend.TaxRateText = "70.5000";
    dividend.TaxInCurrencyText = "100.00";
    dividend.TaxInRoubles = rub("7012.34");
    dividend.RussianTax = rub("9116");
    dividend.TaxCredited = rub("7012.4999");
    DohodCur profit = foreignLine("196", "978", "Cyprus Ltd", date(2015, 12, 31), "80", "0", "0.0099");
    profit.IncomeKind = "1";
    profit.TaxPaymentDate = TDateTime{std::nan("")};  // not written without tax paid
    svod.PrilB13.Lines = {dividend, profit};

    // No income total at 35%: its lines are not written.
    svod.PrilB35.Lines = {foreignLine("840", "840", "Не пишется", date(2015, 1, 1), "1", "1", "1")};
    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), expectedXml("foreign_income.xml"));

    d.SetIncomeKinds(kIncomeRF);  // without foreign income switched on, nothing of it
    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), "");
}

TEST(GoldenXml, BusinessIncome) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeBusiness);
    d.Standard->Granted = 0;
    auto& it = d.Businesses.Item(d.Businesses.Add());
    it.ActivityKind = "1";
    it.ActivityCode = "62.01";
    it.HasDocumentedExpenses = 1;
    it.BusinessIncome = rub("500000");
    it.TotalExpenses = rub("300000");
    it.MaterialExpenses = rub("100000");
    it.LabourCosts = rub("150000");
    it.OtherExpenses = rub("-50");  // written, as zero
    it.ExpensesWithoutDocuments = rub("1");
    auto& lawyer = d.Businesses.Item(d.Businesses.Add());
    lawyer.ActivityKind = "2";
    lawyer.HasDocumentedExpenses = 0;
    lawyer.BusinessIncome = rub("100000.5");
    lawyer.TotalExpenses = rub("999");
    lawyer.ExpensesWithoutDocuments = rub("20000.1");
    d.IsPeasantFarm = 1;
    d.FarmFoundingDate = date(2009, 1, 1);
    d.FarmExemptIncome = rub("1000");
    d.CorrectedExpense = rub("1300.5");
    kTSvodSum svod;
    svod.PrilV1.Income = rub("600000.5");
    svod.PrilV1.ProfDeduction = rub("320000.1");
    svod.PrilV1.AdvancesPaid = rub("12345.5");
    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), expectedXml("business_income.xml"));
}

TEST(GoldenXml, ExemptIncomeAndDeductions) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRF);
    d.MonthsWorked = 7;
    d.Standard->Granted = 1;
    d.Social->Granted = 1;
    d.Property->Granted = 1;
    kTSvodSum svod;

    kTSvodSumPrilM& m = svod.PrilM;
    m.TotalExempt = rub("8000.5");
    m.EmployerHelpIncome = rub("1000");
    m.EmployerHelpExempt = rub("0.5");
    m.GiftIncome = rub("5500");
    m.GiftExempt = rub("4000");
    m.PrizeIncome = rub("3000");  // nothing exempt: not written
    m.FarmPayIncome = rub("6000");
    m.FarmPayExempt = rub("4000");
    m.AdPrizeIncome = rub("3000");
    m.AdPrizeExempt = rub("3000");

    kTSvodSumPrilZ& z = svod.PrilZ;
    z.PriorPurchase = rub("1");
    z.PriorInterest = rub("2");
    z.CarriedPurchase = rub("3");
    z.CarriedInterest = rub("4");
    z.AgentPurchase = rub("5");
    z.AgentInterest = rub("6");
    z.BaseAvailable = rub("400000");
    z.PurchaseNow = rub("7");
    z.InterestNow = rub("8");
    z.PurchaseRest = rub("9");
    z.InterestRest = rub("10");
    {
        auto share = std::make_unique<mTConstructionDeductObj>();
        share->ObjectKind = 8;
        share->OwnershipKind = 5;
        share->TaxpayerSign = 4;
        share->IsPensioner = 1;
        share->InvestFlag = 1;  // documented by a transfer act dated PurchaseDate
        share->PurchaseDate = date(2014, 5, 20);
        share->ApplicationDate = date(2015, 1, 1);  // ownership kind 5 names no application date
        share->ShowShare = -1;
        share->ShareNumerator = 1;
        share->ShareDenominator = 2;
        share->PrivilegeStartDate = date(2015, 1, 1);
        share->ActualExpenses = rub("1500000");
        share->RegionCode = "7";
        share->City = "Москва";
        share->Street = "Тверская";
        share->House = "1";
        share->Flat = "10";
        d.Property->AddObject(std::move(share));

        auto house = std::make_unique<mTConstructionDeductObj>();
        house->ObjectKind = 5;
        house->OwnershipKind = 1;
        house->TaxpayerSign = 2;
        house->OwnershipRegDate = date(2013, 10, 10);
        house->LandRegDate = date(2013, 11, 11);
        house->ApplicationDate = date(2015, 12, 12);
        house->ShareNumerator = 1;  // a share that is not shown
        house->ShareDenominator = 3;
        house->PrivilegeStartDate = date(2013, 1, 1);
        house->ActualExpenses = rub("500000");
        house->ObjectInterest = rub("12345.678");
        house->PostIndex = "143000";
        house->RegionCode = "50";
        house->District = "Одинцовский р-н";
        house->Locality = "дер. Лесная";
        house->House = "3";
        house->Building = "2";
        d.Property->AddObject(std::move(house));

        auto flat = std::make_unique<mTConstructionDeductObj>();
        flat->ObjectKind = 1;
        flat->OwnershipKind = 6;
        flat->TaxpayerSign = 1;
        flat->OwnershipRegDate = date(2015, 3, 1);
        flat->LandRegDate = date(2015, 3, 2);  // a flat has no land
        flat->ApplicationDate = date(2016, 1, 15);
        flat->PrivilegeStartDate = date(2015, 1, 1);
        d.Property->AddObject(std::move(flat));
    }

    kTSvodSumPrilH1& h = svod.PrilH1;
    h.Total = rub("2000000");
    h.HousingIncome = rub("1300000");
    h.HousingDeduction = rub("1000000");
    h.HousingExpIncome = rub("800000");
    h.HousingExpenses = rub("750000");
    h.OtherRealIncome = rub("100000");  // listed by its income even without a deduction
    h.OtherPropIncome = rub("300000");
    h.OtherPropDeduction = rub("250000");
    h.OtherPropExpIncome = rub("5");  // no expenses: not written

    kTSvodSumPrilE1& e1 = svod.PrilE1;
    e1.Own500 = rub("6000");
    e1.MonthsUnderLimit = 5;
    e1.Child = rub("7000");
    e1.ChildDisabledDouble = rub("3000.5");
    e1.Total = rub("16000.5");

    kTSvodSumPrilE2& e2 = svod.PrilE2;
    e2.UnlimitedTotal = rub("30000");
    e2.Charity = rub("25000");
    e2.ChildEducation = rub("5000");
    e2.LimitedTotal = rub("120000");
    e2.GrantedByAgents = rub("1000");
    e2.PensionContrib = rub("30000");
    e2.OwnEducation = rub("40000");
    e2.Treatment = rub("50000");
    e2.Total = rub("149000");

    kTSvodSumPrilE3& e3 = svod.PrilE3;
    mbTPens contract;
    contract.Kind = 1;
    contract.SourceName = "НПФ Благосостояние";
    contract.SourceINN = "7707000001";
    contract.SourceKPP = "770701001";
    contract.ContractNumber = "Д-15/2";
    contract.ContractDate = date(2015, 2, 1);
    e3.Contracts = {contract};
    mbTPens additional;
    additional.Kind = 2;
    additional.ContractDate = TDateTime{std::nan("")};  // only the totals of these are written
    e3.AddContribs = {additional};
    e3.PensionPaid = rub("100000");
    e3.PensionDeductible = rub("100000");
    e3.AddPaid = rub("50000");
    e3.AddDeductible = rub("20000");
    e3.PensionTotal = rub("120000");

    svod.PrilG.ContractIncome = rub("100000");
    svod.PrilG.ContractExpenses = rub("100000");
    svod.PrilG.AuthorNormIncome = rub("50000");
    svod.PrilG.AuthorNormExpenses = rub("10000");
    svod.PrilG.RightsAssignIncome = rub("5");
    svod.PrilG.Total = rub("110000");
    svod.PrilG_In.AssetSaleIncome = rub("7000");
    svod.PrilG_In.AssetSaleExpenses = rub("6000.5");
    svod.PrilG_In.Total = rub("6000.5");

    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), expectedXml("deductions.xml"));
}

TEST(GoldenXml, SecuritiesAndPartnerships) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRF);
    d.Standard->Granted = 0;
    d.Securities->LossCB[0] = rub("100");   // 2014
    d.Securities->LossFISS[1] = rub("5");   // 2005
    d.Securities->LossCB[9] = rub("7.5");   // 2013
    d.Securities->LossCB[5] = rub("-3");    // 2009: nothing positive, no year element
    kTSvodSum svod;
    kTSvodSumPrilJ& j = svod.PrilJ;
    // Every field its own value, so that each attribute shows which field it took.
    Currency* fields[] = {
        &j.TradedIncome, &j.TradedExpenses, &j.TradedInterest, &j.FormerIncome, &j.FormerExpenses,
        &j.NonTradedIncome, &j.NonTradedExpenses, &j.NonTradedInterest, &j.FissSecIncome, &j.FissSecExpenses,
        &j.FissOtherIncome, &j.FissOtherExpenses, &j.FissFreeIncome, &j.FissFreeExpenses, &j.RepoIncome,
        &j.RepoExpenses, &j.LendIncome, &j.LendExpenses, &j.CarryInSec, &j.CarryInFiss,
        &j.CarryOutSec, &j.CarryOutFiss, &j.RepoLossToTraded, &j.LendLossToTraded, &j.TradedCosts,
        &j.TradedResult, &j.TradedLoss, &j.FissSecToTraded, &j.CarryUsedTraded, &j.TradedLossToFormer,
        &j.TradedLossToFissSec, &j.TradedLossFuture, &j.FormerLossUsed, &j.RepoLossToOther, &j.LendLossToOther,
        &j.PartnershipExitLoss, &j.NonTradedCosts, &j.FissSecResult, &j.FissSecLoss, &j.CarryUsedFissSec,
        &j.TradedToFissSec, &j.FissOtherToFissSec, &j.FissSecLossToOther, &j.FissSecLossToTraded, &j.FissSecLossFuture,
        &j.FissOtherResult, &j.FissOtherLoss, &j.CarryUsedFissOther, &j.FissSecToOther, &j.FissOtherLossToSec,
        &j.FissOtherLossFuture, &j.RepoLoss, &j.RepoLossTraded, &j.RepoLossOther, &j.LendLoss,
        &j.LendLossTraded, &j.LendLossOther, &j.TradedTaxable, &j.FormerTaxable, &j.NonTradedTaxable,
        &j.FissSecTaxable, &j.FissOtherTaxable, &j.FissFreeTaxable, &j.RepoTaxable, &j.LendTaxable,
        &j.TotalIncome, &j.TotalTaxable, &j.TotalExpenses, &j.PeriodBaseSec, &j.PeriodBaseFiss,
        &j.CarryUsedSec, &j.CarryUsedFiss, &j.CarryLeftSec, &j.CarryLeftFiss,
    };
    int64_t value = 1;
    for (Currency* field : fields)
        *field = Currency::fromRoubles(value++);
    j.CarryUsedFiss = Currency();  // not positive: left out

    kTSvodSumPrilI& p = svod.PrilI;
    p.Categories[kPartnershipTradedSecurities] = {rub("100"), rub("10"), rub("5"), rub("1"), rub("84"), rub("0")};
    p.Categories[kPartnershipCapitalShares].Taxable = rub("99");  // no income or expenses: not written
    p.Categories[kPartnershipOther] = {rub("50"), rub("70"), rub("0"), rub("0"), rub("0"), rub("20")};
    p.Contribution = rub("1000");
    p.ExitLoss = rub("1000");
    p.TotalIncome = rub("150");
    p.TotalTaxable = rub("84");
    p.TotalExpenses = rub("66");
    EXPECT_SAME_XML(sheetsOf(builtXml(d, svod)), expectedXml("securities.xml"));
}

TEST(GoldenXml, ComputedResidentWithSalaryAndChildDeduction) {
    // 12 × 50 000 at one employer who withheld 78 000; one child: 5 months
    // under 280 000, 7 000 of deduction; base 593 000, tax 77 090, refund 910
    // to the employer's OKTMO.
    auto d = fromJsonFile("salary_refund.json");
    kTSvodSum svod;
    svod.Compute(*d);
    EXPECT_SAME_XML(builtXml(*d, svod), expectedXml("salary_refund.xml"));
}

} // namespace
} // namespace velmar
