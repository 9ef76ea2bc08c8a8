// When a section, an element or an attribute is written and when not, and the
// values that make the export refuse a return.
#include "ExportTestSupport.h"

#include "export/ExportError.h"

#include <functional>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace velmar::test;

// The element `name` with everything under it, or "(none)".
std::string elementOf(const std::string& xml, const std::string& name) {
    size_t at = 0;
    while ((at = xml.find("<" + name, at)) != std::string::npos) {
        const char next = xml[at + 1 + name.size()];
        if (next == ' ' || next == '>' || next == '/')
            break;
        ++at;
    }
    if (at == std::string::npos)
        return "(none)";
    const size_t tagEnd = xml.find('>', at);
    if (xml[tagEnd - 1] == '/')
        return xml.substr(at, tagEnd + 1 - at);
    const std::string close = "</" + name + ">";
    return xml.substr(at, xml.find(close, at) + close.size() - at);
}

std::unique_ptr<mTDeclaration> resident(uint8_t kinds) {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(kinds);
    d->Standard->Granted = 0;
    return d;
}

TEST(SectionConditions, OnlyNinePercentIncomeStillListsItsSources) {
    auto d = resident(kIncomeRF);
    auto& nine = d->Sources9.Item(d->Sources9.Add());
    nine.SourceName = "Банк";
    nine.SourceINN = "7700000009";
    nine.SourceKPP = "770001001";
    nine.IncomeTypeCode = "09";
    nine.TotalIncome = rub("100");
    const std::string xml = builtXml(*d, kTSvodSum{});
    EXPECT_EQ(countOf(xml, "<ДоходИстРФ "), 1u);
    EXPECT_EQ(attributeIn(elementOf(xml, "ДоходИстРФ"), "Ставка"), "09");
}

TEST(SectionConditions, DeductionSectionsNeedAResidentWithIncomeKinds) {
    struct Case {
        const char* what;
        uint8_t returnKind;
        uint8_t incomeKinds;
        bool written;
    } cases[] = {
        {"resident with income", kReturnResident, kIncomeRF, true},
        {"non-resident", kReturnNonResident, kIncomeRF, false},
        {"no income kind", kReturnResident, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        mTDeclaration d;
        d.ReturnKind = c.returnKind;
        d.SetIncomeKinds(c.incomeKinds);
        d.Standard->Granted = 1;
        d.Social->Granted = 1;
        d.Property->Granted = 1;
        auto object = std::make_unique<mTConstructionDeductObj>();
        object->TaxpayerSign = 1;
        d.Property->AddObject(std::move(object));
        kTSvodSum svod;
        svod.PrilE1.Total = rub("1400");
        svod.PrilE2.Total = rub("1000");
        svod.PrilZ.PurchaseNow = rub("500");
        const std::string xml = builtXml(d, svod);
        EXPECT_EQ(elementOf(xml, "ИмущНалВычНов") != "(none)", c.written);
        EXPECT_EQ(elementOf(xml, "ВычСтандСоц") != "(none)", c.written);
    }
}

TEST(SectionConditions, StandardAndSocialDeductionsByWhatIsSwitchedOn) {
    const struct {
        const char* what;
        bool standard, social;
        const char* expected;
    } cases[] = {
        {"standard off, social on", false, true,
         "<ВычСтандСоц ВычСтандСоц=\"2400.00\"><РасчВычСтанд ОбщВычСтанд=\"0\"/>"
         "<РасчВычСоц219.2 СумЛечен=\"1000.00\" ОбщСумРасх=\"1000.00\" ОбщВычСоциал=\"1000.00\"/></ВычСтандСоц>"},
        {"standard on, social off", true, false,
         "<ВычСтандСоц ВычСтандСоц=\"2400.00\"><РасчВычСтанд КолМесНеПрев=\"1\" ВычСтРеб=\"1400.00\" "
         "ОбщВычСтанд=\"1400.00\"/></ВычСтандСоц>"},
        {"both off", false, false, "(none)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto d = resident(kIncomeRF);
        d->Standard->Granted = c.standard;
        d->Social->Granted = c.social;
        kTSvodSum svod;
        svod.PrilE1.MonthsUnderLimit = 1;
        svod.PrilE1.Child = rub("1400");
        svod.PrilE1.Total = rub("1400");
        svod.PrilE2.Treatment = rub("1000");
        svod.PrilE2.LimitedTotal = rub("1000");
        svod.PrilE2.Total = rub("1000");
        EXPECT_SAME_XML(elementOf(builtXml(*d, svod), "ВычСтандСоц"), c.expected);
    }
}

TEST(SectionConditions, SectionsWithOnlyPartOfTheirData) {
    const struct {
        const char* what;
        std::function<void(kTSvodSum&)> fill;
        const char* element;
        const char* expected;
    } cases[] = {
        {"investment deduction without contracts",
         [](kTSvodSum& s) { s.PrilE3.InvestDeduction = rub("5000"); }, "ВычСоцИнв219",
         "<ВычСоцИнв219><РасчПенсВзнос ОбщВзносВыч=\"0.00\"/>"
         "<РасчИнвВыч СумИнвВыч219=\"5000.00\" ИнвВычПредВосст=\"0.00\"/></ВычСоцИнв219>"},
        {"securities with only losses of earlier years",
         [](kTSvodSum& s) { s.PrilJ.CarryInSec = rub("50"); }, "ДохОперЦБ",
         "<ДохОперЦБ><УбытПредПер><ОстУбытНачВс СуммаЦБ=\"50.00\"/>"
         "<ОстУбытПрошПер ПериодПрош=\"2014\" УбытНачЦБОбр=\"50.00\"/>"
         "<НалБазаПер/><СумУмНБПер/><ОстУбытКонВс/></УбытПредПер></ДохОперЦБ>"},
        {"partnership with only income on leaving",
         [](kTSvodSum& s) {
             s.PrilI.ExitIncome = rub("300");
             s.PrilI.Contribution = rub("100");
             s.PrilI.ExitTaxable = rub("200");
             s.PrilI.TotalIncome = rub("300");
             s.PrilI.TotalTaxable = rub("200");
             s.PrilI.TotalExpenses = rub("100");
         },
         "ДохИвестТов",
         "<ДохИвестТов><РасчДохВыхИТ ДохВыхИТ=\"300.00\" ВкладИТ=\"100.00\" ДоходОбл=\"200.00\" УбытРез=\"0.00\"/>"
         "<ИтогСовОпер ОбщДохСовОпер=\"300.00\" ОбщДоходОбл=\"200.00\" ОбщРасхПрмВыч=\"100.00\"/></ДохИвестТов>"},
        {"exempt income of advertising prizes only",
         [](kTSvodSum& s) {
             s.PrilM.AdPrizeIncome = rub("5000");
             s.PrilM.AdPrizeExempt = rub("4000");
         },
         "ДоходОсвПрев",
         "<ДоходОсвПрев ДохНеНалОбщ=\"0.00\"><ПризРекл ДоходВсИст=\"5000.00\" ДоходНеНал=\"4000.00\"/></ДоходОсвПрев>"},
        {"sale deduction whose parts are all zero", [](kTSvodSum& s) { s.PrilH1.HousingIncome = rub("100"); },
         "ИмущНалВычПр", "(none)"},
        {"professional deductions of foreign income only",
         [](kTSvodSum& s) {
             s.PrilG_In.ContractIncome = rub("10");
             s.PrilG_In.ContractExpenses = rub("2");
             s.PrilG_In.Total = rub("2");
         },
         "ПрофНалВыч",
         "<ПрофНалВыч ПрИст=\"2\" РасходОбщИт=\"2.00\"><РасхФактДогГПХ СумДохДогГПХ=\"10.00\" СумРасхВыч=\"2.00\"/>"
         "</ПрофНалВыч>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto d = resident(kIncomeRF);
        d->Securities->LossCB[0] = rub("50");
        kTSvodSum svod;
        c.fill(svod);
        EXPECT_SAME_XML(elementOf(builtXml(*d, svod), c.element), c.expected);
    }
}

TEST(SectionConditions, BusinessIncomeNeedsItsKindAndAnActivity) {
    kTSvodSum svod;
    svod.PrilV1.Income = rub("1000");
    auto withRecord = resident(kIncomeBusiness);
    withRecord->Businesses.Add();
    EXPECT_NE(elementOf(builtXml(*withRecord, svod), "ДоходПредпр"), "(none)");
    auto withoutRecord = resident(kIncomeBusiness);
    EXPECT_EQ(elementOf(builtXml(*withoutRecord, svod), "ДоходПредпр"), "(none)");
}

TEST(SectionConditions, SignerOfBothKindsOfReturn) {
    const struct {
        const char* what;
        uint8_t returnKind, confirmation;
        const char* organisation;
        const char* expected;
    } cases[] = {
        {"annual, the taxpayer", kReturnResident, 0, "ООО", "<Подписант ПрПодп=\"1\"/>"},
        {"annual, a representative", kReturnResident, 1, "ООО",
         "<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"ОРЛОВ\" Имя=\"ИГОРЬ\"/><СвПред НаимДок=\"ДОВ. 1\"/></Подписант>"},
        // Left from a time the return was an estimated-income one: written as
        // that return writes it, without the organisation the annual file lacks.
        {"annual, an organisation", kReturnNonResident, 2, "ООО",
         "<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"ОРЛОВ\" Имя=\"ИГОРЬ\"/><СвПред НаимДок=\"ДОВ. 1\"/></Подписант>"},
        {"estimated, a representative without organisation", kReturn4NDFL, 1, " ",
         "<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"ОРЛОВ\" Имя=\"ИГОРЬ\"/><СвПред НаимДок=\"ДОВ. 1\"/></Подписант>"},
        {"estimated, an organisation", kReturn4NDFL, 2, "ооо",
         "<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"ОРЛОВ\" Имя=\"ИГОРЬ\"/><СвПред НаимДок=\"ДОВ. 1\" "
         "НаимОрг=\"ООО\"/></Подписант>"},
        {"estimated, the taxpayer", kReturn4NDFL, 0, "ООО", "<Подписант ПрПодп=\"1\"/>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mTDeclaration d;
        d.ReturnKind = c.returnKind;
        d.ConfirmationKind = c.confirmation;
        d.RepresentativeName = "Орлов Игорь";
        d.RepresentativeDocument = "Дов. 1";
        d.RepresentativeOrganisation = c.organisation;
        EXPECT_SAME_XML(elementOf(builtXml(d, kTSvodSum{}), "Подписант"), c.expected);
    }
}

TEST(SectionConditions, DocumentCodeOfTheTaxpayerCategory) {
    const struct {
        uint8_t returnKind, category;
        const char* code;
    } cases[] = {
        {kReturnResident, 0, "720"}, {kReturnResident, 1, "770"}, {kReturnResident, 2, "730"},
        {kReturnResident, 3, "740"}, {kReturnResident, 5, "760"}, {kReturnResident, 6, "750"},
        {kReturn4NDFL, 0, "720"},    {kReturn4NDFL, 3, "740"},    {kReturn4NDFL, 4, "000"},
        {kReturn4NDFL, 5, "000"},    {kReturn4NDFL, 6, "000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.returnKind) + "/" + std::to_string(c.category));
        mTDeclaration d;
        d.ReturnKind = c.returnKind;
        d.TaxpayerCategory = c.category;
        EXPECT_EQ(attributeIn(builtXml(d, kTSvodSum{}), "ДокПредст"), c.code);
    }
}

TEST(SectionConditions, ValuesTheFileCannotCarryAreRefused) {
    const struct {
        const char* what;
        std::function<void(mTDeclaration&)> spoil;
        const char* inMessage;
    } cases[] = {
        {"taxpayer category without a code", [](mTDeclaration& d) { d.TaxpayerCategory = 4; }, "Категория"},
        {"unknown signer kind", [](mTDeclaration& d) { d.ConfirmationKind = 3; }, "подписанта"},
        {"unknown return kind", [](mTDeclaration& d) { d.ReturnKind = 7; }, "вид декларации"},
        {"birth date outside the calendar", [](mTDeclaration& d) { d.Person->BirthDate = TDateTime{1e12}; }, "ДатаРожд"},
        {"a path in the tax-office code", [](mTDeclaration& d) { d.InspectionCode = "../77"; }, "имени файла"},
        {"a blank in the ИНН", [](mTDeclaration& d) { d.Person->INN = "7701 00000001"; }, "ИНН"},
        {"property object without taxpayer sign",
         [](mTDeclaration& d) {
             d.SetIncomeKinds(kIncomeRF);
             d.Property->Granted = 1;
             d.Property->AddObject(std::make_unique<mTConstructionDeductObj>());
         },
         "признак"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mTDeclaration d;
        d.InspectionCode = "7701";
        c.spoil(d);
        try {
            BuildDeclarationDocument(d, kTSvodSum{}, kStamp);
            ADD_FAILURE() << "built";
        } catch (const ExportError& e) {
            EXPECT_NE(std::string(e.what()).find(c.inMessage), std::string::npos) << e.what();
        }
    }
}

TEST(SectionConditions, ValuesXmlCannotCarryAreRefusedByTheDom) {
    mTDeclaration d;
    d.Person->Surname = std::string("Иванов\x01");
    EXPECT_THROW(BuildDeclarationDocument(d, kTSvodSum{}, kStamp), XmlError);
    d.Person->Surname = "Иванов\xFF";  // not UTF-8
    EXPECT_THROW(BuildDeclarationDocument(d, kTSvodSum{}, kStamp), XmlError);
    // Markup in a value is text, never markup.
    d.Person->Surname = "\"/><Подписант ПрПодп=\"1";
    const std::string xml = builtXml(d, kTSvodSum{});
    EXPECT_EQ(attributeIn(xml, "Фамилия"), "&quot;/&gt;&lt;ПОДПИСАНТ ПРПОДП=&quot;1");
    EXPECT_EQ(countOf(xml, "<Подписант"), 1u);
}

TEST(SectionConditions, FileIdentifierOfBothKinds) {
    const struct {
        uint8_t returnKind;
        const char* inn;
        const char* id;
    } cases[] = {
        {kReturnResident, "770100000001", "NO_NDFL3_7701_7701_770100000001_20160315_6F9619FF-8B86-4011-B42D-00C04FC964FF"},
        {kReturnNonResident, "", "NO_NDFL3_7701_7701_000000000000_20160315_6F9619FF-8B86-4011-B42D-00C04FC964FF"},
        {kReturn4NDFL, "", "NO_NDFL4_7701_7701__20160315_6F9619FF-8B86-4011-B42D-00C04FC964FF"},
        {kReturn4NDFL, "770100000001", "NO_NDFL4_7701_7701_770100000001_20160315_6F9619FF-8B86-4011-B42D-00C04FC964FF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        mTDeclaration d;
        d.InspectionCode = "7701";
        d.ReturnKind = c.returnKind;
        d.Person->INN = c.inn;
        EXPECT_EQ(MakeFileId(d, kStamp), c.id);
        EXPECT_EQ(attributeIn(builtXml(d, kTSvodSum{}), "ИдФайл"), c.id);
    }
}

} // namespace
} // namespace velmar
