#include "export/DeclarationDocument.h"

#include "compute/SvodSum.h"
#include "export/ExportError.h"
#include "export/Sections.h"
#include "export/XmlWriter.h"

namespace velmar {

namespace {

bool isAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The identifier is also the file name: a slash, a dot or a blank typed into
// the tax-office code or the ИНН must never reach the file system.
void checkIdentifierPart(std::string_view text, const char* what) {
    for (char c : text)
        if (!isAsciiAlnum(c))
            throw ExportError(std::string(what) + " \"" + std::string(text)
                              + "\" содержит символы, недопустимые в имени файла; допустимы только цифры");
}

void checkGuid(std::string_view guid) {
    bool ok = guid.size() == 36;
    for (size_t i = 0; ok && i < guid.size(); ++i)
        ok = (i == 8 || i == 13 || i == 18 || i == 23) ? guid[i] == '-'
                                                       : ((guid[i] >= '0' && guid[i] <= '9') || (guid[i] >= 'A' && guid[i] <= 'F'));
    if (!ok)
        throw ExportError("Неверный GUID для идентификатора файла: \"" + std::string(guid) + "\"");
}

void checkReturnKind(uint8_t kind) {
    if (kind != kReturnResident && kind != kReturnNonResident && kind != kReturn4NDFL)
        throw ExportError("Неизвестный вид декларации: " + std::to_string(kind));
}

} // namespace

std::string MakeFileId(const mTDeclaration& d, const ExportStamp& stamp) {
    checkReturnKind(d.ReturnKind);
    const bool estimated = d.ReturnKind == kReturn4NDFL;
    const std::string inn = d.Person ? d.Person->INN : std::string();
    checkIdentifierPart(d.InspectionCode, "Код налогового органа");
    checkIdentifierPart(inn, "ИНН");
    checkGuid(stamp.guid);
    std::string taxpayer;
    if (estimated)
        taxpayer = "_" + inn + "_";
    else
        taxpayer = inn.empty() ? "_000000000000_" : "_" + inn + "_";
    const std::string date = PadZeros(stamp.date.year, 4) + PadZeros(stamp.date.month, 2) + PadZeros(stamp.date.day, 2);
    return std::string(estimated ? "NO_NDFL4_" : "NO_NDFL3_") + d.InspectionCode + "_" + d.InspectionCode + taxpayer
           + date + "_" + stamp.guid;
}

XmlDocument BuildDeclarationDocument(const mTDeclaration& d, const kTSvodSum& svod, const ExportStamp& stamp) {
    const std::string fileId = MakeFileId(d, stamp);
    const bool estimated = d.ReturnKind == kReturn4NDFL;
    XmlDocument document = XmlDocument::create("Файл");
    XmlElement root = document.root();
    // The root's attributes are the file's own texts, written as they are.
    root.setAttribute("ИдФайл", fileId);
    root.setAttribute("ВерсПрог", estimated ? "1.4.0" : "Velm2015_1.4.0");
    root.setAttribute("ВерсФорм", estimated ? "5.02" : "5.10");
    if (estimated) {
        WriteEstimatedIncomeFile(root, d, stamp.date);
        return document;
    }
    XmlElement title = AddElement(root, "Документ");
    WriteAnnualTitle(title, d, stamp.date);
    XmlElement ndfl3 = AddElement(title, "НДФЛ3");
    WriteTaxToPay(ndfl3, svod);
    WriteTaxBases(ndfl3, svod);
    WriteRussianSources(ndfl3, d, svod);
    WriteForeignIncome(ndfl3, d, svod);
    WriteBusinessIncome(ndfl3, d, svod);
    WriteExemptIncome(ndfl3, d, svod);
    WritePropertyPurchase(ndfl3, d, svod);
    WritePropertySale(ndfl3, svod);
    WriteStandardAndSocial(ndfl3, d, svod);
    WritePensionAndInvestment(ndfl3, svod);
    WriteProfessionalDeductions(ndfl3, svod);
    WriteSecurities(ndfl3, d, svod);
    WritePartnerships(ndfl3, svod);
    return document;
}

} // namespace velmar
