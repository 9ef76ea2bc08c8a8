#include "platform/CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <unordered_map>
#include <vector>

namespace velmar {

namespace {

class IconvHandle {
public:
    IconvHandle(const char* from, const char* to) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw CodePageError(std::string("no conversion from ") + from + " to " + to);
    }
    ~IconvHandle() { iconv_close(cd_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> convertText(std::string_view text, const char* from, const char* to) {
    if (text.empty())
        return std::string();
    IconvHandle cd(from, to);
    std::string out;
    std::vector<char> buffer(text.size() * 4 + 16);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            return std::nullopt; // EILSEQ or EINVAL: not representable or malformed
        }
    }
    return out;
}

namespace {

// Windows-1251 maps each byte to one character; the two tables are built once
// from iconv so that the per-string work is a table look-up.
struct Cp1251Tables {
    std::string toUtf8[256];
    std::unordered_map<char32_t, unsigned char> fromCodePoint;
    Cp1251Tables() {
        for (int b = 0; b < 256; ++b) {
            char byte = static_cast<char>(b);
            std::optional<std::string> utf8;
            if (b < 0x80)
                utf8 = std::string(1, byte);
            else
                utf8 = convertText(std::string_view(&byte, 1), "CP1251", "UTF-8");
            if (!utf8) {
                toUtf8[b] = "\xEF\xBF\xBD"; // the one undefined byte, 0x98
                continue;
            }
            toUtf8[b] = *utf8;
            size_t i = 0;
            char32_t cp = decodeOne(*utf8, i);
            fromCodePoint.emplace(cp, static_cast<unsigned char>(b));
        }
    }
    static char32_t decodeOne(std::string_view s, size_t& i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < len; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        return cp;
    }
};

const Cp1251Tables& cp1251Tables() {
    static const Cp1251Tables tables;
    return tables;
}

} // namespace

std::optional<std::string> utf8ToCp1251(std::string_view text) {
    bool ascii = true;
    for (unsigned char c : text)
        if (c >= 0x80) { ascii = false; break; }
    if (ascii)
        return std::string(text);
    if (!isValidUtf8(text))
        return std::nullopt;
    const auto& tables = cp1251Tables();
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t cp = Cp1251Tables::decodeOne(text, i);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        auto it = tables.fromCodePoint.find(cp);
        if (it == tables.fromCodePoint.end())
            return std::nullopt;
        out.push_back(static_cast<char>(it->second));
    }
    return out;
}

std::string cp1251ToUtf8(std::string_view text) {
    bool ascii = true;
    for (unsigned char c : text)
        if (c >= 0x80) { ascii = false; break; }
    if (ascii)
        return std::string(text);
    const auto& tables = cp1251Tables();
    std::string out;
    out.reserve(text.size() * 2);
    for (unsigned char c : text)
        out += tables.toUtf8[c];
    return out;
}

size_t utf8Length(std::string_view text) {
    size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::optional<std::string> cp866ToUtf8(std::string_view text) {
    return convertText(text, "CP866", "UTF-8");
}

bool isValidUtf8(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t len;
        char32_t cp;
        if (c < 0x80) { ++i; continue; }
        else if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; }
        else return false;
        if (i + len > n) return false;
        for (size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000)
            || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

} // namespace velmar
