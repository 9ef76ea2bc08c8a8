#pragma once
// Whole-file reading with a size guard, and replacing a file so that a reader
// never sees it half-written: the bytes go to a temporary file in the same
// folder, are flushed to disk and then renamed over the target.
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmar {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Dictionaries and classifier files are a few megabytes; anything far larger is
// not one of them and is refused before it is read into memory.
inline constexpr std::size_t kMaxReadFileBytes = 256u * 1024u * 1024u;

// Reads the whole file. Throws FileError naming the file when it cannot be
// opened or read, or is larger than `maxBytes`.
std::string readFileBytes(const std::filesystem::path& path, std::size_t maxBytes = kMaxReadFileBytes);

// Writes `bytes` to `target` through a temporary file and a rename. On any
// failure the temporary file is removed, `target` is left as it was, and
// FileError is thrown.
void replaceFile(const std::filesystem::path& target, std::string_view bytes);

} // namespace velmar
