#include "platform/XmlDom.h"

#include "platform/CodePage.h"
#include "platform/FileIo.h"

#include <climits>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <mutex>

namespace velmar {

namespace {

const xmlChar* xmlText(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }

void initLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

std::string takeXmlString(xmlChar* s) {
    if (!s)
        return {};
    std::string out(reinterpret_cast<const char*>(s));
    xmlFree(s);
    return out;
}

// XML 1.0 cannot carry C0 controls other than tab, LF and CR, even as
// character references; libxml2 would write them anyway and produce a file
// nobody can read back.
void checkWritable(std::string_view text, std::string_view what) {
    if (!isValidUtf8(text))
        throw XmlError(std::string(what) + ": текст не в кодировке UTF-8");
    for (unsigned char c : text)
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            throw XmlError(std::string(what) + ": недопустимый управляющий символ");
}

void checkName(std::string_view name) {
    if (xmlValidateName(reinterpret_cast<const xmlChar*>(std::string(name).c_str()), 0) != 0)
        throw XmlError("Недопустимое имя XML: \"" + std::string(name) + "\"");
}

class ParserContext {
public:
    ParserContext() : ctxt_(xmlNewParserCtxt()) {
        if (!ctxt_)
            throw XmlError("Не хватило памяти для разбора XML");
    }
    ~ParserContext() { xmlFreeParserCtxt(ctxt_); }
    ParserContext(const ParserContext&) = delete;
    ParserContext& operator=(const ParserContext&) = delete;
    xmlParserCtxtPtr get() const { return ctxt_; }

private:
    xmlParserCtxtPtr ctxt_;
};

} // namespace

void XmlDocument::Free::operator()(_xmlDoc* doc) const { xmlFreeDoc(doc); }

XmlDocument::~XmlDocument() = default;

XmlDocument XmlDocument::parseMemory(std::string_view bytes, std::string_view sourceName) {
    initLibrary();
    const std::string source(sourceName);
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        throw XmlError("Файл \"" + source + "\" слишком велик");
    ParserContext ctxt;
    // NONET: no network. Neither NOENT nor DTDLOAD: entities stay unexpanded and
    // no external subset is fetched. NOERROR/NOWARNING: messages come back
    // through the context instead of going to stderr.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDocPtr raw = xmlCtxtReadMemory(ctxt.get(), bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, nullptr, options);
    XmlDocument doc(raw);
    if (!raw || !ctxt.get()->wellFormed) {
        std::string message = "Ошибка в XML-файле \"" + source + "\"";
        if (const xmlError* err = xmlCtxtGetLastError(ctxt.get()); err && err->message) {
            std::string detail(err->message);
            while (!detail.empty() && (detail.back() == '\n' || detail.back() == ' '))
                detail.pop_back();
            message += ", строка " + std::to_string(err->line) + ": " + detail;
        }
        throw XmlError(message);
    }
    if (raw->intSubset || raw->extSubset)
        throw XmlError("XML-файл \"" + source + "\" содержит DTD; такие файлы не принимаются");
    if (!xmlDocGetRootElement(raw))
        throw XmlError("XML-файл \"" + source + "\" не содержит корневого элемента");
    return doc;
}

XmlDocument XmlDocument::parseFile(const std::filesystem::path& path) {
    try {
        return parseMemory(readFileBytes(path), path.string());
    } catch (const FileError& e) {
        throw XmlError(e.what());
    }
}

XmlDocument XmlDocument::create(std::string_view rootName) {
    initLibrary();
    checkName(rootName);
    xmlDocPtr raw = xmlNewDoc(BAD_CAST "1.0");
    if (!raw)
        throw XmlError("Не хватило памяти для документа XML");
    XmlDocument doc(raw);
    xmlNodePtr root = xmlNewDocNode(raw, nullptr, xmlText(std::string(rootName)), nullptr);
    if (!root)
        throw XmlError("Не хватило памяти для документа XML");
    xmlDocSetRootElement(raw, root);
    return doc;
}

XmlElement XmlDocument::root() const { return XmlElement(xmlDocGetRootElement(doc_.get())); }

std::string XmlDocument::toCp1251Text() const {
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc_.get(), &buffer, &size, "windows-1251", 0);
    if (!buffer)
        throw XmlError("Не удалось записать документ XML в кодировке windows-1251");
    std::string out(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
    xmlFree(buffer);
    return out;
}

void XmlDocument::saveCp1251(const std::filesystem::path& path) const { replaceFile(path, toCp1251Text()); }

std::string XmlElement::name() const { return node_ ? reinterpret_cast<const char*>(node_->name) : ""; }

std::optional<std::string> XmlElement::attribute(std::string_view name) const {
    if (!node_)
        return std::nullopt;
    const std::string key(name);
    if (!xmlHasProp(node_, xmlText(key)))
        return std::nullopt;
    return takeXmlString(xmlGetProp(node_, xmlText(key)));
}

std::string XmlElement::attributeText(std::string_view name) const { return attribute(name).value_or(std::string()); }

std::string XmlElement::text() const { return node_ ? takeXmlString(xmlNodeGetContent(node_)) : std::string(); }

std::vector<XmlElement> XmlElement::childElements() const {
    std::vector<XmlElement> out;
    if (!node_)
        return out;
    for (xmlNodePtr child = node_->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE)
            out.emplace_back(child);
    return out;
}

XmlElement XmlElement::firstChild(std::string_view name) const {
    if (!node_)
        return {};
    for (xmlNodePtr child = node_->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && name == reinterpret_cast<const char*>(child->name))
            return XmlElement(child);
    return {};
}

void XmlElement::setAttribute(std::string_view name, std::string_view value) {
    if (!node_)
        throw XmlError("Запись атрибута в отсутствующий элемент");
    checkName(name);
    checkWritable(value, "Атрибут " + std::string(name));
    // xmlSetProp keeps the value as plain text; it is escaped on output.
    if (!xmlSetProp(node_, xmlText(std::string(name)), xmlText(std::string(value))))
        throw XmlError("Не хватило памяти для документа XML");
}

XmlElement XmlElement::appendChild(std::string_view name) {
    if (!node_)
        throw XmlError("Добавление элемента в отсутствующий элемент");
    checkName(name);
    xmlNodePtr child = xmlNewDocNode(node_->doc, nullptr, xmlText(std::string(name)), nullptr);
    if (!child || !xmlAddChild(node_, child)) {
        xmlFreeNode(child);
        throw XmlError("Не хватило памяти для документа XML");
    }
    return XmlElement(child);
}

void XmlElement::appendText(std::string_view text) {
    if (!node_)
        throw XmlError("Запись текста в отсутствующий элемент");
    checkWritable(text, "Текст элемента " + name());
    // A text node, not xmlNodeSetContent: the latter would read "&" as the
    // start of an entity reference.
    xmlNodePtr node = xmlNewDocTextLen(node_->doc, reinterpret_cast<const xmlChar*>(text.data()),
                                       static_cast<int>(text.size()));
    if (!node || !xmlAddChild(node_, node)) {
        xmlFreeNode(node);
        throw XmlError("Не хватило памяти для документа XML");
    }
}

} // namespace velmar
