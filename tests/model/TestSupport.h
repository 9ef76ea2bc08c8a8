#pragma once
// Helpers for the container-file tests: temporary folders and raw file bytes.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace velmar::test {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmar-test-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        path_ = made ? made : "";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Russian letters of a UTF-8 literal in Windows-1251, written out from the
// code page's table (А..я are 0xC0..0xFF, Ё 0xA8, ё 0xB8); other text passes.
inline std::string win(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c == 0xD0 || c == 0xD1) && i + 1 < text.size()) {
            unsigned char n = static_cast<unsigned char>(text[++i]);
            int cp = ((c & 0x1F) << 6) | (n & 0x3F);
            out += static_cast<char>(cp == 0x401 ? 0xA8 : cp == 0x451 ? 0xB8 : cp - 0x410 + 0xC0);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// One value as the container writes it: 4-digit length and the Windows-1251 text.
inline std::string v(const std::string& utf8) {
    std::string text = win(utf8);
    char length[8];
    std::snprintf(length, sizeof length, "%04zu", text.size());
    return length + text;
}

inline std::string header(const std::string& tag = "Velm2015", const std::string& major = "01",
                          const std::string& minor = "02") {
    std::string h = "DLSG" + std::string(20 - tag.size(), ' ') + tag + major + minor + std::string(32, 'F');
    return h;
}

} // namespace velmar::test
