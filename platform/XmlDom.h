#pragma once
// A small DOM over libxml2 for the dictionaries (reading) and the tax
// authority's XML file (writing). Strings in and out are UTF-8; Windows-1251
// exists only in the serialised text.
//
// Reading never touches the network and never loads or expands entities: a
// document that carries a DTD is refused outright, since none of our files has
// one and a DTD is the only way external or nested entities get in.
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

namespace velmar {

class XmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A non-owning handle to an element of an XmlDocument; valid while the
// document lives. A default-constructed handle is "no element".
class XmlElement {
public:
    XmlElement() = default;
    explicit XmlElement(_xmlNode* node) : node_(node) {}

    explicit operator bool() const { return node_ != nullptr; }
    std::string name() const;

    // Value of the attribute, nullopt when the element has no such attribute.
    std::optional<std::string> attribute(std::string_view name) const;
    // Value of the attribute, empty when absent.
    std::string attributeText(std::string_view name) const;
    // All text below the element, concatenated.
    std::string text() const;

    // Child elements in document order (text, comments and the like are skipped).
    std::vector<XmlElement> childElements() const;
    // First child element with that name, or no element.
    XmlElement firstChild(std::string_view name) const;

    // Writing. Values are UTF-8 text; escaping happens when serialising.
    // Throw XmlError for text that is not valid UTF-8 or holds a character XML
    // cannot carry (control characters other than tab and line breaks).
    void setAttribute(std::string_view name, std::string_view value);
    XmlElement appendChild(std::string_view name);
    void appendText(std::string_view text);

private:
    _xmlNode* node_ = nullptr;
};

class XmlDocument {
public:
    // Parses a document from bytes; `sourceName` only names it in messages.
    // Throws XmlError with the parser's message and line.
    static XmlDocument parseMemory(std::string_view bytes, std::string_view sourceName);
    static XmlDocument parseFile(const std::filesystem::path& path);

    // A new document holding only the root element.
    static XmlDocument create(std::string_view rootName);

    XmlElement root() const;

    // The document as Windows-1251 text, starting with
    // <?xml version="1.0" encoding="windows-1251"?>, without indentation.
    // Characters that Windows-1251 lacks become character references.
    std::string toCp1251Text() const;
    // Saves that text through a temporary file and a rename. Throws FileError.
    void saveCp1251(const std::filesystem::path& path) const;

    XmlDocument(XmlDocument&&) noexcept = default;
    XmlDocument& operator=(XmlDocument&&) noexcept = default;
    ~XmlDocument();

private:
    struct Free {
        void operator()(_xmlDoc* doc) const;
    };
    explicit XmlDocument(_xmlDoc* doc) : doc_(doc) {}
    std::unique_ptr<_xmlDoc, Free> doc_;
};

} // namespace velmar
