// GUIDs of the file identifiers.
#include "platform/Guid.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace velmar {
namespace {

TEST(Guid, RegistryFormWithVersionAndVariantBits) {
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(0xF0 + i);
    // Byte 6 gets version 4, byte 8 the variant 10xx.
    EXPECT_EQ(GuidTextFromBytes(bytes), "{F0F1F2F3-F4F5-46F7-B8F9-FAFBFCFDFEFF}");
    EXPECT_EQ(GuidTextFromBytes({}), "{00000000-0000-4000-8000-000000000000}");
}

TEST(Guid, NewGuidsAreRandomAndWellFormed) {
    const std::regex form("\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
    std::set<std::string> seen;
    for (int i = 0; i < 100; ++i) {
        const std::string guid = NewGuidText();
        EXPECT_TRUE(std::regex_match(guid, form)) << guid;
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 100u);
}

} // namespace
} // namespace velmar
