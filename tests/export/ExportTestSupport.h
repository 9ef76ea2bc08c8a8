#pragma once
// Fixtures of the export tests: hand-written expected XML under data/, a fixed
// date and GUID, temporary folders.
#include "compute/SvodSum.h"
#include "export/DeclarationDocument.h"
#include "model/DeclClasses.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>

namespace velmar::test {

inline const ExportStamp kStamp{{2016, 3, 15}, "6F9619FF-8B86-4011-B42D-00C04FC964FF"};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The expected XML files are indented for reading; the export writes no
// whitespace between tags. Blanks between a ">" and the next "<" go, and so
// does the line break at the end.
inline std::string squeeze(std::string_view text) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        out += text[i];
        if (text[i] == '>') {
            size_t j = i + 1;
            while (j < text.size() && (text[j] == ' ' || text[j] == '\n' || text[j] == '\r' || text[j] == '\t'))
                ++j;
            if (j == text.size() || text[j] == '<') {
                i = j;
                continue;
            }
        }
        ++i;
    }
    return out;
}

// Equal texts, or the place where they part with some context on both sides:
// whole documents are too long to read in one line.
inline ::testing::AssertionResult sameXml(const char*, const char*, const std::string& actual,
                                          const std::string& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    // Back to the start of the tag, so the context is never cut inside a character.
    const size_t from = std::min(at, expected.rfind('<', at) == std::string::npos ? 0 : expected.rfind('<', at));
    return ::testing::AssertionFailure() << "texts differ at byte " << at << "\n  actual:   ..."
                                         << actual.substr(from, 300) << "\n  expected: ..."
                                         << expected.substr(from, 300);
}
#define EXPECT_SAME_XML(actual, expected) EXPECT_PRED_FORMAT2(::velmar::test::sameXml, actual, expected)

inline std::string expectedXml(const std::string& name) {
    return squeeze(readBytes(std::filesystem::path(EXPORT_TEST_DATA) / name));
}

// The document as UTF-8 text, squeezed like the expected files.
inline std::string builtXml(const mTDeclaration& declaration, const kTSvodSum& svod, const ExportStamp& stamp = kStamp) {
    return squeeze(cp1251ToUtf8(BuildDeclarationDocument(declaration, svod, stamp).toCp1251Text()));
}

// What stands under НДФЛ3 after the tax bases: the sheets and sections. The
// tests of one sheet leave the tax bases zero, which writes the one 13% base
// every annual return carries.
inline std::string sheetsOf(const std::string& xml) {
    const std::string open = "<НДФЛ3>", close = "</НДФЛ3>", lastBase = "</НалБаза>";
    const size_t begin = xml.find(open);
    const size_t end = xml.find(close);
    if (begin == std::string::npos || end == std::string::npos)
        return "(no НДФЛ3 in " + xml + ")";
    const size_t afterBase = xml.rfind(lastBase, end);
    const size_t from = afterBase == std::string::npos || afterBase < begin ? begin + open.size() : afterBase + lastBase.size();
    return xml.substr(from, end - from);
}

// The value of the first attribute `name` in the text, or "(none)".
inline std::string attributeIn(const std::string& xml, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const size_t at = xml.find(key);
    if (at == std::string::npos)
        return "(none)";
    const size_t from = at + key.size();
    return xml.substr(from, xml.find('"', from) - from);
}

// The text with the value of attribute `name` replaced by "*".
inline std::string masked(std::string xml, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const size_t at = xml.find(key);
    if (at == std::string::npos)
        return xml;
    const size_t from = at + key.size();
    return xml.replace(from, xml.find('"', from) - from, "*");
}

inline size_t countOf(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

inline Currency rub(const char* text) { return Currency::parse(text).value(); }
inline TDateTime date(int y, int m, int d) { return encodeDateOrThrow(y, m, d); }

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmar-export-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

    std::vector<std::string> fileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

} // namespace velmar::test
