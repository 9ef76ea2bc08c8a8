#include "platform/CodePage.h"

#include <cerrno>
#include <iconv.h>
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

std::optional<std::string> utf8ToCp1251(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return convertText(text, "UTF-8", "CP1251");
    return std::string(text); // plain ASCII needs no conversion
}

std::string cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        // 0x98 is the one byte Windows-1251 leaves undefined.
        if (i == text.size() || static_cast<unsigned char>(text[i]) == 0x98) {
            std::string_view piece = text.substr(start, i - start);
            bool ascii = true;
            for (unsigned char c : piece)
                if (c >= 0x80) { ascii = false; break; }
            if (ascii)
                out.append(piece);
            else if (auto converted = convertText(piece, "CP1251", "UTF-8"))
                out.append(*converted);
            if (i < text.size())
                out.append("\xEF\xBF\xBD");
            start = i + 1;
        }
    }
    return out;
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
