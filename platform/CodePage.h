#pragma once
// Code-page conversion at the program's edges (container file, XML file,
// dictionaries, DBF import). Inside the program every string is UTF-8.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmar {

class CodePageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Converts between two iconv encodings. Returns nullopt when the input holds a
// byte sequence that is invalid in `from` or a character that `to` cannot hold;
// nothing is ever replaced silently.
std::optional<std::string> convertText(std::string_view text, const char* from, const char* to);

// UTF-8 -> Windows-1251; nullopt when a character has no Windows-1251 form.
std::optional<std::string> utf8ToCp1251(std::string_view text);

// Windows-1251 -> UTF-8. Every byte of Windows-1251 but 0x98 has a character;
// that one byte becomes U+FFFD so that reading a file never fails on it.
std::string cp1251ToUtf8(std::string_view text);

// DOS Cyrillic (CP866) -> UTF-8; nullopt on a byte iconv refuses.
std::optional<std::string> cp866ToUtf8(std::string_view text);

// Number of characters (code points) of valid UTF-8; for text that Windows-1251
// can hold this is also its length in bytes there.
size_t utf8Length(std::string_view text);

// True when `text` is valid UTF-8.
bool isValidUtf8(std::string_view text);

} // namespace velmar
