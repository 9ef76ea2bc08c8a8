#include "dicts/InspectionNumbers.h"

#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "platform/XmlDom.h"

namespace velmar {

InspectionDirectory parseInspectionDirectory(std::string_view xml, std::string_view sourceName) {
    try {
        XmlDocument doc = XmlDocument::parseMemory(xml, sourceName);
        XmlElement root = doc.root();
        if (root.name() != "Inspections")
            throw DictError("Справочник инспекций \"" + std::string(sourceName) + "\": корневой элемент \""
                            + root.name() + "\" вместо \"Inspections\"");
        InspectionDirectory directory;
        directory.version = root.attributeText("Version");
        directory.date = root.attributeText("Date");
        for (const XmlElement& child : root.childElements())
            directory.inspections.push_back(CodeName{child.attributeText("Code"), child.text()});
        return directory;
    } catch (const XmlError& e) {
        throw DictError(e.what());
    }
}

InspectionDirectory loadInspectionDirectory(const std::filesystem::path& path) {
    return parseInspectionDirectory(readDictionaryFile(path), path.string());
}

std::string inspectionDirectoryText(const InspectionDirectory& directory) {
    try {
        XmlDocument doc = XmlDocument::create("Inspections");
        XmlElement root = doc.root();
        root.setAttribute("Version", directory.version);
        root.setAttribute("Date", directory.date);
        for (const CodeName& inspection : directory.inspections) {
            XmlElement element = root.appendChild("Inspection");
            element.setAttribute("Code", inspection.code);
            element.appendText(inspection.name);
        }
        return doc.toCp1251Text();
    } catch (const XmlError& e) {
        throw DictError(e.what());
    }
}

} // namespace velmar
