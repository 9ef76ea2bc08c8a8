// A whole return in the container file: stream order, counts by position,
// earlier-year layouts, tolerant reads and safe saving. Expected bytes are
// written out by hand from the file layout.
#include "model/DeclClasses.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace velmar;
using test::header;
using test::v;

namespace {

std::string repeat(const std::string& value, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += value;
    return out;
}

// @DeclInfo of a new return signed on 31.12.2015 with the given income kinds.
std::string declInfo(const std::string& kinds) {
    return v("@DeclInfo") + v("") + v("") + v("0") + v("0") + v("42369") + v("0") + v("5") + v("0") + v(kinds)
           + v("0") + repeat(v("0"), 8) + v("1") + v("0") + v("") + v("0") + v("") + v("") + v("0") + v("0")
           + v("0");
}

// The taxpayer streams of a new return: every string empty, the dates and
// the country as their defaults.
std::string defaultPerson() {
    return v("@PersonName") + repeat(v(""), 5) + v("0")
           + v("@PersonDocument") + v("0") + v("") + v("") + v("32874") + v("28126") + v("") + v("") + v("0")
           + v("@Foreigner") + v("") + v("РОССИЯ") + v("") + v("643")
           + v("@PhoneForeignerHome") + v("") + v("")
           + v("@PhoneForeignerWork") + v("") + v("")
           + v("@PersonAddress") + v("0") + v("") + v("0") + repeat(v(""), 9)
           + v("@HomePhone") + v("") + v("")
           + v("@WorkPhone") + v("") + v("");
}

std::string defaultDeductions() {
    return v("@StandartDeduct") + v("1") + v("103") + v("101") + v("1") + v("0") + v("1") + v("0") + v("0")
           + v("0") + v("0") + v("1") + v("0")
           + v("@SocialDeduct") + v("0")
           + v("@ConstructionDeduct") + v("0")
           + v("@CBDeduct") + repeat(v("0"), 20);
}

std::string emptyNalog() { return v("@Nalog") + v("0"); }

std::unique_ptr<mTDeclaration> newReturn() {
    auto d = std::make_unique<mTDeclaration>();
    d->SigningDate = encodeDateOrThrow(2015, 12, 31);
    return d;
}

std::string saveBytes(mTDeclaration& d) {
    test::TempDir dir;
    std::string path = dir.file("r.vx5");
    d.SaveToFile(path);
    std::string bytes = test::readBytes(path);
    EXPECT_EQ(bytes.size(), d.SavedSize()) << "SavedSize must equal the file length";
    return bytes;
}

std::unique_ptr<mTDeclaration> loadBytes(const std::string& bytes) {
    test::TempDir dir;
    std::string path = dir.file("r.vx5");
    test::writeBytes(path, bytes);
    auto d = std::make_unique<mTDeclaration>();
    d->LoadFromFile(path);
    return d;
}

} // namespace

TEST(DeclarationFile, NewReturnWithoutIncomeKinds) {
    auto d = newReturn();
    EXPECT_EQ(saveBytes(*d), (header() + declInfo("0") + defaultPerson() + emptyNalog()));
}

TEST(DeclarationFile, RussianIncomeWithoutRecordsWritesFiveCountsInARow) {
    auto d = newReturn();
    d->SetIncomeKinds(kIncomeRF);
    EXPECT_EQ(saveBytes(*d), (header() + declInfo("1") + defaultPerson() + v("@DeclInquiry")
                                    + repeat("00010", 5) + defaultDeductions() + emptyNalog()));
}

TEST(DeclarationFile, CountsInterleaveWithTheRecordsOfEachList) {
    auto d = newReturn();
    d->SetIncomeKinds(kIncomeRF);
    for (int incomes : {3, 1}) {
        auto& source = d->Sources13.Item(d->Sources13.Add());
        for (int i = 0; i < incomes; ++i) {
            mTSourseIncome income;
            income.IncomeCode = 2000;
            income.IncomeAmount = Currency::fromRoubles(100 + i);
            income.Month = static_cast<uint16_t>(i + 1);
            source.Incomes.AddIncome(income);
        }
    }
    auto& nine = d->Sources9.Item(d->Sources9.Add());
    nine.IncomeCode = 1011;
    nine.TotalIncome = Currency::fromUnits(125000);

    auto source13 = [](const std::string& index, int incomes) {
        std::string s = v("@ThirteenPercent" + index) + v("0") + repeat(v(""), 4) + repeat(v("0"), 4)
                        + repeat(v("a"), 12) + v(std::to_string(incomes));
        for (int i = 0; i < incomes; ++i)
            s += v("@SourseIncome" + index + "00" + std::to_string(i)) + v("2000") + v("")
                 + v(std::to_string(100 + i)) + v("0") + v("0") + v("0") + v(std::to_string(i + 1));
        return s;
    };
    std::string expected = header() + declInfo("1") + defaultPerson() + v("@DeclInquiry") + v("2")
                           + source13("000", 3) + source13("001", 1) + v("0") + v("0") + v("0") + v("1")
                           + v("@NinePercent000") + v("1011") + repeat(v(""), 4) + v("12.5") + v("0") + v("0")
                           + v("0") + defaultDeductions() + emptyNalog();
    std::string bytes = saveBytes(*d);
    EXPECT_EQ(bytes, (expected));

    auto loaded = loadBytes(bytes);
    ASSERT_EQ(loaded->Sources13.Count(), 2u);
    EXPECT_EQ(loaded->Sources13.Item(0).Incomes.IncomeCount(), 3u);
    EXPECT_EQ(loaded->Sources13.Item(0).TotalIncome, Currency::fromRoubles(303)) << "rebuilt from the incomes";
    EXPECT_EQ(loaded->Sources13.Item(1).Incomes.IncomeItem(0).Month, 1);
    ASSERT_EQ(loaded->Sources9.Count(), 1u);
    EXPECT_EQ(loaded->Sources9.Item(0).TotalIncome, Currency::fromUnits(125000));
    EXPECT_EQ(loaded->Sources35.Count(), 0u);
}

TEST(DeclarationFile, BusinessRecordsAndTheTwelveTrailingValues) {
    auto d = newReturn();
    d->SetIncomeKinds(kIncomeBusiness);
    d->Standard->Granted = 0;
    auto& documented = d->Businesses.Item(d->Businesses.Add());
    documented.ActivityKind = "1";
    documented.BusinessIncome = Currency::fromRoubles(1000);
    auto& plain = d->Businesses.Item(d->Businesses.Add());
    plain.HasDocumentedExpenses = 0;
    plain.ExpensesWithoutDocuments = Currency::fromRoubles(7);
    d->ActualAdvancePayments = Currency::fromRoubles(5);
    d->TradeLevy = Currency::fromRoubles(9);

    std::string expected = header() + declInfo("4") + defaultPerson() + v("@DeclBusiness") + v("2")
                           + v("@BusinessIncome000") + v("1") + v("..") + v("1000") + v("1")
                           + v("@BusinessExpense000") + repeat(v("0"), 19)
                           + v("@BusinessIncome001") + v("") + v("..") + v("0") + v("0") + v("7")
                           + v("5") + v("0") + v("0") + v("0") + v("") + v("0") + v("36526") + v("0") + v("0")
                           + v("0") + v("9") + v("0")
                           + v("@StandartDeduct") + v("0") + v("@SocialDeduct") + v("0")
                           + v("@ConstructionDeduct") + v("0") + v("@CBDeduct") + repeat(v("0"), 20)
                           + emptyNalog();
    std::string bytes = saveBytes(*d);
    EXPECT_EQ(bytes, (expected));
    auto loaded = loadBytes(bytes);
    EXPECT_EQ(loaded->Businesses.Item(1).ExpensesWithoutDocuments, Currency::fromRoubles(7));
    EXPECT_EQ(loaded->TradeLevy, Currency::fromRoubles(9));
    EXPECT_EQ(loaded->ActualAdvancePayments, Currency::fromRoubles(5));
}

TEST(DeclarationFile, DeductionStreamsFollowTheirBranches) {
    auto d = newReturn();
    d->SetIncomeKinds(kIncomeCurrency);
    auto& st = *d->Standard;
    st.PersonalCode = 110;
    st.HasMonthly = 1;
    st.HasCodeByMonth = 1;
    for (int m = 1; m <= 12; ++m)
        st.SetCodeByMonth(m, m < 7 ? 104 : 105);
    st.SetChildrenByMonth(0, 2);
    d->Social->Granted = 1;
    for (int amount : {100, 200, 300})
        d->Social->ChildEducationAdd(Currency::fromRoubles(amount));
    d->Social->PensionItem(d->Social->AddPension()).OrgName = "НПФ";
    d->Property->Granted = 1;
    d->Property->AddObject(std::make_unique<mTConstructionDeductObj>());
    d->Securities->LossCB[9] = Currency::fromUnits(5000);

    std::string standard = v("@StandartDeduct") + v("1") + v("110") + v("101") + v("0") + v("2")
                           + repeat(v("0"), 11) + v("1") + v("0") + v("1") + repeat(v("0"), 36) + v("1");
    for (int m = 1; m <= 12; ++m)
        standard += v(m < 7 ? "104" : "105");
    standard += v("0") + v("1") + v("0");
    std::string social = v("@SocialDeduct") + v("1") + v("0") + v("0") + v("3") + v("100") + v("200") + v("300")
                         + repeat(v("0"), 5) + v("@Pens") + v("1") + v("@PensSub000") + v("0") + v("НПФ") + v("")
                         + v("") + v("") + v("0") + repeat(v("0"), 3);
    std::string property = v("@ConstructionDeduct") + v("1") + repeat(v("0"), 6) + v("1")
                           + v("@ConstructionDeductObj000") + repeat(v("0"), 3) + repeat(v(""), 9) + v("37622")
                           + v("37622") + v("37622") + v("0") + v("0") + repeat(v("0"), 4) + v("0") + v("0");
    std::string securities = v("@CBDeduct") + repeat(v("0"), 9) + v("0.5") + repeat(v("0"), 10);
    std::string expected = header() + declInfo("2") + defaultPerson() + v("@DeclForeign") + v("0") + standard
                           + social + property + securities + emptyNalog();
    std::string bytes = saveBytes(*d);
    EXPECT_EQ(bytes, (expected));

    auto loaded = loadBytes(bytes);
    EXPECT_EQ(loaded->Standard->GetCodeByMonth(7), 105);
    EXPECT_EQ(loaded->Standard->ChildrenByMonth[0], 2);
    EXPECT_EQ(loaded->Standard->ChildrenConst, 0);
    EXPECT_EQ(loaded->Social->ChildEducation, (std::vector<Currency>{Currency::fromRoubles(100),
                                                                    Currency::fromRoubles(200),
                                                                    Currency::fromRoubles(300)}));
    EXPECT_EQ(loaded->Social->PensionItem(0).OrgName, "НПФ");
    ASSERT_EQ(loaded->Property->ObjectCount(), 1u);
    EXPECT_EQ(loaded->Property->ObjectItem(0).PurchaseDate, encodeDateOrThrow(2003, 1, 1));
    EXPECT_EQ(loaded->Securities->TotalLossCB(), Currency::fromUnits(5000));
}

TEST(DeclarationFile, EarlierYearsGiveTheTaxpayerOnly) {
    // A 2012 file: no OKTMO in the address; the rest of the return is ignored.
    std::string person2012 = v("@PersonName") + v("Петров") + v("Пётр") + v("") + v("123") + v("") + v("0")
                             + v("@PersonDocument") + v("21") + v("Паспорт") + v("45 01") + v("01.02.2003")
                             + v("04.05.1966") + v("ОВД") + v("Москва") + v("1")
                             + v("@Foreigner") + v("1") + v("РОССИЯ") + v("") + v("643")
                             + v("@PhoneForeignerHome") + v("") + v("")
                             + v("@PhoneForeignerWork") + v("") + v("")
                             + v("@PersonAddress") + v("1") + v("101000") + v("77") + v("Москва") + repeat(v(""), 7)
                             + v("@HomePhone") + v("") + v("555") + v("@WorkPhone") + v("") + v("");
    std::string file = header("Velm2012", "01", "01") + v("@DeclInfo") + v("7701") + v("0001@DeclInquiry")
                       + person2012;
    auto d = loadBytes((file));
    EXPECT_EQ(d->Person->Surname, "Петров");
    EXPECT_EQ(d->Person->FirstName, "Пётр");
    EXPECT_EQ(d->Person->DocIssueDate, encodeDateOrThrow(2003, 2, 1));
    EXPECT_EQ(d->Person->DocFlag, 1);
    EXPECT_EQ(d->Person->StayAddress, 1);
    EXPECT_EQ(d->Person->RegionCode, 77);
    EXPECT_EQ(d->Person->OKTMO, "");
    EXPECT_EQ(d->Person->Phone, "555");
    EXPECT_EQ(d->IncomeKinds, 0);
    EXPECT_EQ(d->InspectionCode, "") << "nothing but the taxpayer is taken over";

    // A 2004 file: no document flag, no foreign telephones, no place-of-stay flag, no telephones.
    std::string file2004 = header("Velm2004", "01", "00") + v("@DeclInfo")
                           + v("@PersonName") + v("Сидоров") + v("") + v("") + v("") + v("") + v("0")
                           + v("@PersonDocument") + v("21") + v("") + v("") + v("01.01.2000") + v("01.01.1970")
                           + v("") + v("")
                           + v("@Foreigner") + v("1") + v("ГЕРМАНИЯ") + v("Берлин") + v("276")
                           + v("@PersonAddress") + v("101000") + v("77") + repeat(v(""), 8);
    auto old = loadBytes((file2004));
    EXPECT_EQ(old->Person->Surname, "Сидоров");
    EXPECT_EQ(old->Person->CountryName, "ГЕРМАНИЯ");
    EXPECT_EQ(old->Person->CountryCode, "276");
    EXPECT_EQ(old->Person->DocFlag, 0);
    EXPECT_EQ(old->Person->StayAddress, 0);
    EXPECT_EQ(old->Person->PostIndex, "101000");

    // An unknown tag: only the oldest values, and NameExtraFlag "0".
    std::string other = header("Velm1999", "01", "00") + v("@DeclInfo")
                        + v("@PersonName") + v("Орлов") + v("") + v("") + v("99")
                        + v("@PersonDocument") + v("21") + v("") + v("") + v("01.01.2000") + v("01.01.1970")
                        + v("@Foreigner") + v("1") + v("РОССИЯ")
                        + v("@PersonAddress") + v("101000") + v("77") + repeat(v(""), 8);
    auto unknown = loadBytes((other));
    EXPECT_EQ(unknown->Person->INN, "99");
    EXPECT_EQ(unknown->Person->NameExtraFlag, "0");
    EXPECT_EQ(unknown->Person->CountryCode, "643");
}

TEST(DeclarationFile, MissingForeignTelephoneStreamEndsTheBlockQuietly) {
    auto d = newReturn();
    d->Person->ForeignWorkPhone = "1";
    std::string bytes = (header() + declInfo("0") + defaultPerson() + emptyNalog());
    // Rename the stream so it cannot be found.
    auto at = bytes.find("@PhoneForeignerWork");
    bytes.replace(at, 19, "@PhoneForeignerXXXX");
    auto loaded = loadBytes(bytes);
    EXPECT_EQ(loaded->Person->ForeignWorkPhone, "");
    EXPECT_EQ(loaded->Person->CountryCode, "643");
}

TEST(DeclarationFile, DeclInfoWithoutTheInvestmentAmountsKeepsTheRestIntact) {
    std::string info = declInfo("0");
    info.resize(info.size() - 2 * v("0").size()); // the two investment amounts missing
    auto loaded = loadBytes((header() + info + defaultPerson() + emptyNalog()));
    EXPECT_EQ(loaded->InvestmentDeduction, Currency());
    EXPECT_EQ(loaded->InvestmentDeductionReturn, Currency());
    EXPECT_EQ(loaded->Person->CountryName, "РОССИЯ");
    EXPECT_EQ(loaded->TaxpayerCategory, 5);
}

TEST(DeclarationFile, StandardStreamEndingEarlyLoadsWithTheFlagsOff) {
    std::string shortStandard = v("@StandartDeduct") + v("1") + v("104") + v("101") + v("1") + v("2") + v("1")
                                + v("0");
    std::string rest = v("@SocialDeduct") + v("1") + v("10") + v("0") + v("0") + repeat(v("0"), 5) + v("@Pens")
                       + v("0") + v("@ConstructionDeduct") + v("0") + v("@CBDeduct") + repeat(v("0"), 20);
    auto loaded = loadBytes((header() + declInfo("2") + defaultPerson() + v("@DeclForeign") + v("0")
                                   + shortStandard + rest + emptyNalog()));
    EXPECT_EQ(loaded->Standard->PersonalCode, 104);
    EXPECT_EQ(loaded->Standard->Children, 2);
    EXPECT_EQ(loaded->Standard->HasMonthly, 0);
    EXPECT_EQ(loaded->Standard->HasCodeByMonth, 0);
    EXPECT_EQ(loaded->Standard->HasStatusByMonth, 0);
    // The next stream's values were not consumed by the failed reads.
    EXPECT_EQ(loaded->Social->Granted, 1);
    EXPECT_EQ(loaded->Social->Charity, Currency::fromRoubles(10));
}

TEST(DeclarationFile, ThirteenPercentOfLayout100HasNoLeadingByte) {
    std::string info = declInfo("1");
    std::string src = v("@ThirteenPercent000") + v("7700000000") + repeat(v(""), 3) + repeat(v("0"), 4)
                      + repeat(v("a"), 12) + v("0");
    std::string file = header("Velm2015", "01", "00") + info + defaultPerson() + v("@DeclInquiry") + v("1") + src
                       + repeat("00010", 4) + defaultDeductions() + emptyNalog();
    // Dates in a 1.00 file are texts.
    auto at = file.find("000542369");
    file.replace(at, 9, v("31.12.2015"));
    for (const char* date : {"000532874", "000528126"}) {
        auto p = file.find(date);
        file.replace(p, 9, v(std::string(date) == "000532874" ? "01.01.1990" : "01.01.1977"));
    }
    auto loaded = loadBytes((file));
    ASSERT_EQ(loaded->Sources13.Count(), 1u);
    EXPECT_EQ(loaded->Sources13.Item(0).StandardBySource, 0);
    EXPECT_EQ(loaded->Sources13.Item(0).SourceINN, "7700000000");
    EXPECT_EQ(loaded->SigningDate, encodeDateOrThrow(2015, 12, 31));
    EXPECT_FALSE(loaded->Sources13.Item(0).MonthAmounts[0].has_value());
}

TEST(DeclarationFile, ErrorsCarryTheirRecordLayer) {
    struct Case {
        const char* what;
        std::string from, to;
        int where;
    } cases[] = {
        {"taxpayer stream missing", "@PersonAddress", "@PersonAddresX", 371},
        {"13% item missing", "@SourseIncome000000", "@SourseIncome000009", 372},
        {"standard deductions missing", "@StandartDeduct", "@StandartDeducX", 382},
    };
    auto d = newReturn();
    d->SetIncomeKinds(kIncomeRF);
    d->Sources13.Item(d->Sources13.Add()).Incomes.AddIncome(mTSourseIncome{});
    std::string good = saveBytes(*d);
    for (const auto& c : cases) {
        std::string bytes = good;
        auto at = bytes.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.what;
        bytes.replace(at, c.from.size(), c.to);
        try {
            loadBytes(bytes);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const mEOpenStream& e) {
            EXPECT_EQ(e.Code, 210) << c.what;
            EXPECT_EQ(e.Where, c.where) << c.what;
        }
    }
}

TEST(DeclarationFile, LoadErrorsOfTheFileItself) {
    test::TempDir dir;
    auto loadError = [&](const std::string& bytes) -> std::pair<int, int> {
        std::string path = dir.file("e.vx5");
        test::writeBytes(path, bytes);
        mTDeclaration d;
        try {
            d.LoadFromFile(path);
        } catch (const mEBadStorage& e) {
            return {e.Code, e.Where};
        }
        return {0, 0};
    };
    EXPECT_EQ(loadError("PK\x03\x04 not a return"), std::make_pair(68, 391));
    EXPECT_EQ(loadError(header("Velm2015", "0x", "02")), std::make_pair(392, 0));
    mTDeclaration d;
    try {
        d.LoadFromFile(dir.file("none.vx5"));
        FAIL();
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 20);
        EXPECT_EQ(e.Where, 390);
    }
}

TEST(DeclarationFile, AFailedSaveKeepsTheOldFile) {
    test::TempDir dir;
    std::string path = dir.file("keep.vx5");
    auto d = newReturn();
    d->SaveToFile(path);
    std::string before = test::readBytes(path);

    d->Person->Surname = "Ὀδυσσεύς"; // Greek with breathing marks: no Windows-1251 form
    try {
        d->SaveToFile(path);
        FAIL() << "no exception";
    } catch (const mEWriteStorage& e) {
        EXPECT_NE(std::string(e.what()).find("Person.Surname"), std::string::npos) << e.what();
    }
    d->Person->Surname = "x";
    d->InspectionName = std::string(10000, 'a');
    EXPECT_THROW(d->SaveToFile(path), mEWriteStorage);
    EXPECT_EQ(test::readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary left";
}

TEST(DeclarationFile, SavingOverAFileHeldOpenIsRefused) {
    test::TempDir dir;
    std::string path = dir.file("held.vx5");
    auto d = newReturn();
    d->SaveToFile(path);
    mTFileLoader reader(path, 0, true);
    try {
        d->SaveToFile(path);
        FAIL();
    } catch (const mEBadStorage& e) {
        EXPECT_EQ(e.Code, 21);
        EXPECT_EQ(e.Where, 389);
    }
}

TEST(Declaration, IncomeKindsCreateAndEmptyTheirLists) {
    mTDeclaration d;
    d.SetIncomeKinds(kIncomeRF | kIncomeBusiness);
    d.Sources13.Add();
    d.Businesses.Add();
    d.ForeignerFixedAdvance = Currency::fromRoubles(1);
    d.MonthsWorked = 3;
    d.ActualAdvancePayments = Currency::fromRoubles(2);

    d.SetIncomeKinds(kIncomeBusiness); // RF off
    EXPECT_FALSE(d.Sources13.Exists());
    EXPECT_EQ(d.Sources13.Count(), 0u);
    EXPECT_EQ(d.ForeignerFixedAdvance, Currency());
    EXPECT_EQ(d.MonthsWorked, 0);
    EXPECT_EQ(d.Businesses.Count(), 1u) << "an unchanged bit leaves its records";

    d.SetIncomeKinds(kIncomeRF); // RF on again, business off
    EXPECT_TRUE(d.Sources9.Exists());
    EXPECT_EQ(d.Sources13.Count(), 0u);
    EXPECT_FALSE(d.Businesses.Exists());
    EXPECT_EQ(d.ActualAdvancePayments, Currency::fromRoubles(2)) << "return-level business amounts stay";
    EXPECT_THROW(d.Businesses.Add(), std::logic_error);
    EXPECT_TRUE(d.TaxPayments.Exists());
}

TEST(Declaration, SupportingSheetsFollowForeignDocumentsOnlyWhenCountedAutomatically) {
    mTDeclaration d;
    d.SupportingSheets = 5;
    d.ForeignExpenseDocs = 2;
    d.AutoCountSheets = 1;
    d.SetForeignExpenseDocs(3);
    EXPECT_EQ(d.SupportingSheets, 6);
    d.SetSupportingSheets(9);
    EXPECT_EQ(d.SupportingSheets, 6);
    d.AutoCountSheets = 0;
    d.SetForeignExpenseDocs(1);
    EXPECT_EQ(d.SupportingSheets, 6);
    d.SetSupportingSheets(9);
    EXPECT_EQ(d.SupportingSheets, 9);
}

TEST(Declaration, IncomeListKeepsTheTotal) {
    mTThirteenPercent source;
    mTSourseIncome a, b, c;
    a.IncomeAmount = Currency::fromRoubles(100);
    b.IncomeAmount = Currency::fromRoubles(50);
    c.IncomeAmount = Currency::fromUnits(12345);
    source.Incomes.AddIncome(a);
    source.Incomes.AddIncome(b);
    source.Incomes.ReplaceIncome(0, c);
    EXPECT_EQ(source.TotalIncome, Currency::fromRoubles(50) + Currency::fromUnits(12345));
    source.Incomes.DeleteIncome(1);
    EXPECT_EQ(source.TotalIncome, Currency::fromUnits(12345));
    mTThirteenPercent copy(source);
    copy.Incomes.AddIncome(a);
    EXPECT_EQ(copy.TotalIncome, Currency::fromUnits(12345) + Currency::fromRoubles(100));
    EXPECT_EQ(source.TotalIncome, Currency::fromUnits(12345)) << "a copy keeps its own total";
    source.SetMonthAmount(3, AbsentAmount);
    EXPECT_FALSE(source.MonthAmounts[3].has_value());
    source.SetMonthAmount(3, Currency());
    EXPECT_EQ(source.MonthAmounts[3], Currency());
}
