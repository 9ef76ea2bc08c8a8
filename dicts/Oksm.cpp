#include "dicts/Oksm.h"

#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "platform/XmlDom.h"

namespace velmar {

std::vector<CodeName> parseOksm(std::string_view xml, std::string_view sourceName) {
    try {
        XmlDocument doc = XmlDocument::parseMemory(xml, sourceName);
        std::vector<CodeName> countries;
        for (const XmlElement& child : doc.root().childElements())
            countries.push_back(CodeName{child.attributeText("Code"), child.text()});
        return countries;
    } catch (const XmlError& e) {
        throw DictError(e.what());
    }
}

std::vector<CodeName> loadOksm(const std::filesystem::path& path) {
    return parseOksm(readDictionaryFile(path), path.string());
}

} // namespace velmar
