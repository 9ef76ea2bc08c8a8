#pragma once
// Random GUIDs for file identifiers that must not repeat between exports.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace velmar {

class GuidError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A version-4 (random) GUID in registry form: 38 characters, braces,
// upper-case hexadecimal, hyphens after the 8th, 12th, 16th and 20th digit
// ("{6F9619FF-8B86-4011-B42D-00C04FC964FF}"). The bytes come from the
// kernel's random source; throws GuidError when it cannot be read.
std::string NewGuidText();

// The registry form of 16 given bytes, with the version and variant bits set
// as in NewGuidText.
std::string GuidTextFromBytes(std::array<uint8_t, 16> bytes);

} // namespace velmar
