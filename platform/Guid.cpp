#include "platform/Guid.h"

#include <cerrno>
#include <cstring>
#include <sys/random.h>

namespace velmar {

std::string GuidTextFromBytes(std::array<uint8_t, 16> bytes) {
    // RFC 4122: version 4 in the high nibble of byte 6, variant 10xx in byte 8.
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "{";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    text += '}';
    return text;
}

std::string NewGuidText() {
    std::array<uint8_t, 16> bytes{};
    size_t filled = 0;
    while (filled < bytes.size()) {
        ssize_t n = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw GuidError(std::string("Не удалось получить случайные числа для GUID: ") + std::strerror(errno));
        }
        filled += static_cast<size_t>(n);
    }
    return GuidTextFromBytes(bytes);
}

} // namespace velmar
