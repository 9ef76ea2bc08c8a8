#pragma once
// The XML document of one return, built from the return and its computed
// summaries. The export driver (ExportDeclarationXml.h) adds the computation,
// the date, the GUID and the saving; tests call these directly with a fixed
// date and identifier.
#include "model/DateTime.h"
#include "model/DeclClasses.h"
#include "platform/XmlDom.h"

#include <string>

namespace velmar {

class kTSvodSum;

// What makes one export unique: the day it runs and a fresh GUID (the 36
// characters between the braces of the registry form).
struct ExportStamp {
    CivilDate date;
    std::string guid;
};

// "NO_NDFL3_" (annual return) or "NO_NDFL4_" (estimated income), the tax-office
// code twice, the ИНН, the date YYYYMMDD and the GUID. The same text names the
// file and fills ИдФайл. Throws ExportError when the tax-office code or the ИНН
// holds anything but letters and digits: the identifier becomes a file name.
std::string MakeFileId(const mTDeclaration& declaration, const ExportStamp& stamp);

// The whole document: the root Файл with its identifier, Документ, the title,
// taxpayer and signer and, for an annual return, НДФЛ3 with every section that
// has data; for an estimated-income return, НДФЛ4. Throws ExportError or
// XmlError for a value the file cannot carry.
XmlDocument BuildDeclarationDocument(const mTDeclaration& declaration, const kTSvodSum& svod,
                                     const ExportStamp& stamp);

} // namespace velmar
