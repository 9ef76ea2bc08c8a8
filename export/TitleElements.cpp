// Title, taxpayer and signer of the annual return, and the whole
// estimated-income return.
#include "export/ExportError.h"
#include "export/Sections.h"
#include "export/XmlWriter.h"

namespace velmar {

namespace {

std::string dateText(const CivilDate& date) {
    return PadZeros(date.day, 2) + "." + PadZeros(date.month, 2) + "." + PadZeros(date.year, 4);
}

const mTPersonInformation& personOf(const mTDeclaration& declaration) {
    if (!declaration.Person)
        throw ExportError("В декларации нет сведений о налогоплательщике");
    return *declaration.Person;
}


// Фамилия, Имя and Отчество of the taxpayer: the file admits 60 characters each.
void writeTaxpayerName(XmlElement element, const mTPersonInformation& person) {
    SetAttr(element, "Фамилия", CutChars(person.Surname, kMaxNameChars));
    SetAttr(element, "Имя", CutChars(person.FirstName, kMaxNameChars));
    SetAttrIfNotBlank(element, "Отчество", CutChars(person.Patronymic, kMaxNameChars));
}

void writeRepresentativeName(XmlElement element, const std::string& fullName) {
    const SplitName name = SplitRepresentativeName(fullName);
    SetAttr(element, "Фамилия", name.surname);
    SetAttr(element, "Имя", name.firstName);
    if (!name.patronymic.empty())
        SetAttr(element, "Отчество", name.patronymic);
}

// Signed by the taxpayer (0) or by a representative, a person (1) or an
// organisation (2). Any other value is no choice of the conditions page.
bool signedByRepresentative(const mTDeclaration& declaration) {
    switch (declaration.ConfirmationKind) {
    case 0:
        return false;
    case 1:
    case 2:
        return true;
    default:
        throw ExportError("Неизвестный вид подписанта: " + std::to_string(declaration.ConfirmationKind));
    }
}

std::string annualDocumentCode(uint8_t taxpayerCategory) {
    switch (taxpayerCategory) {
    case 0: return "720";
    case 1: return "770";
    case 2: return "730";
    case 3: return "740";
    case 5: return "760";
    case 6: return "750";
    default:
        // Category 4 is no choice of the conditions page and has no code in the annual return.
        throw ExportError("Категория налогоплательщика " + std::to_string(taxpayerCategory)
                          + " не предусмотрена форматом декларации 3-НДФЛ");
    }
}

std::string estimatedDocumentCode(uint8_t taxpayerCategory) {
    switch (taxpayerCategory) {
    case 0: return "720";
    case 1: return "770";
    case 2: return "730";
    case 3: return "740";
    default: return "000";
    }
}

void writeIdentityDocument(XmlElement parent, const mTPersonInformation& person) {
    XmlElement document = AddElement(parent, "УдЛичн");
    SetAttr(document, "КодВидДок", PadZeros(person.DocTypeCode, 2));
    SetAttr(document, "СерНомДок", person.DocSeriesNumber);
    SetAttr(document, "ДатаДок", FormatDate(person.DocIssueDate, "ДатаДок"));
    SetAttr(document, "ВыдДок", person.DocIssuedBy);
}

std::string citizenshipCode(const mTPersonInformation& person) {
    return PadZeros(IsBlankText(person.CountryCode) ? std::string_view("643") : std::string_view(person.CountryCode), 3);
}

void writeAnnualTaxpayer(XmlElement document, const mTDeclaration& declaration) {
    const mTPersonInformation& person = personOf(declaration);
    XmlElement taxpayer = AddElement(AddElement(document, "СвНП"), "НПФЛ3");
    SetAttr(taxpayer, "ДокПредст", annualDocumentCode(declaration.TaxpayerCategory));
    SetAttr(taxpayer, "Статус", declaration.ReturnKind == kReturnResident ? "1" : "2");
    SetAttrIfNotBlank(taxpayer, "АдрИно", person.ForeignAddress);
    SetAttrIfNotBlank(taxpayer, "Тлф", person.Phone);

    writeTaxpayerName(AddElement(taxpayer, "ФИОФЛ"), person);

    XmlElement addressKind = AddElement(taxpayer, "СвАдрРФ");
    SetAttr(addressKind, "ПрАдр", person.StayAddress == 0 ? "1" : "2");
    WriteAddressParts(AddElement(addressKind, "АдрРФ"),
                      {person.PostIndex, PadZeros(person.RegionCode, 2), person.District, person.City,
                       person.Locality, person.Street, person.House, person.Building, person.Flat});

    if (!IsBlankText(person.INN)) {
        XmlElement data = AddElement(taxpayer, "СведФЛ1");
        SetAttr(data, "ИННФЛ", person.INN);
        SetAttr(data, "ДатаРожд", FormatDate(person.BirthDate, "ДатаРожд"));
        SetAttrIfNotBlank(data, "МестоРожд", person.BirthPlace);
        SetAttr(data, "ОКСМ", citizenshipCode(person));
        if (person.DocTypeCode != 0)
            writeIdentityDocument(data, person);
    } else {
        // Without an ИНН the identity document is the only identification and
        // is always written.
        XmlElement data = AddElement(taxpayer, "СведФЛ2");
        SetAttr(data, "ДатаРожд", FormatDate(person.BirthDate, "ДатаРожд"));
        SetAttr(data, "МестоРожд", person.BirthPlace);
        SetAttr(data, "ОКСМ", citizenshipCode(person));
        writeIdentityDocument(data, person);
    }
}

// The signer of both kinds of return; the organisation's name exists only in
// the estimated-income return.
void writeSigner(XmlElement document, const mTDeclaration& declaration, bool withOrganisation) {
    const bool representative = signedByRepresentative(declaration);
    XmlElement signer = AddElement(document, "Подписант");
    SetAttr(signer, "ПрПодп", representative ? "2" : "1");
    if (!representative)
        return;
    writeRepresentativeName(AddElement(signer, "ФИО"), declaration.RepresentativeName);
    XmlElement authority = AddElement(signer, "СвПред");
    SetAttr(authority, "НаимДок", declaration.RepresentativeDocument);
    if (withOrganisation)
        SetAttrIfNotBlank(authority, "НаимОрг", declaration.RepresentativeOrganisation);
}

} // namespace

void WriteAnnualTitle(XmlElement document, const mTDeclaration& declaration, const CivilDate& exportDate) {
    SetAttr(document, "КНД", "1151020");
    SetAttr(document, "ДатаДок", dateText(exportDate));
    SetAttr(document, "Период", "34");
    SetAttr(document, "ОтчетГод", "2015");
    SetAttr(document, "КодНО", declaration.InspectionCode);
    SetAttr(document, "НомКорр", std::to_string(declaration.CorrectionNumber));
    writeAnnualTaxpayer(document, declaration);
    writeSigner(document, declaration, false);
}

void WriteEstimatedIncomeFile(XmlElement root, const mTDeclaration& declaration, const CivilDate& exportDate) {
    const mTPersonInformation& person = personOf(declaration);
    XmlElement document = AddElement(root, "Документ");
    SetAttr(document, "КНД", "1151021");
    SetAttr(document, "ДатаДок", dateText(exportDate));
    SetAttr(document, "ОтчетГод", "2016");
    SetAttr(document, "КодНО", declaration.InspectionCode);
    SetAttr(document, "НомКорр", std::to_string(declaration.CorrectionNumber));

    XmlElement taxpayer = AddElement(AddElement(document, "СвНП"), "НПФЛ");
    SetAttr(taxpayer, "ДокПредст", estimatedDocumentCode(declaration.TaxpayerCategory));
    SetAttr(taxpayer, "ИННФЛ", person.INN);
    SetAttr(taxpayer, "ОКТМО", person.OKTMO);
    SetAttrIfNotBlank(taxpayer, "Тлф", person.Phone);
    writeTaxpayerName(AddElement(taxpayer, "ФИО"), person);

    writeSigner(document, declaration, true);

    XmlElement income = AddElement(document, "НДФЛ4");
    SetAttr(income, "ПредДоход", FormatSumPlain(declaration.EstimatedIncome));
}

} // namespace velmar
