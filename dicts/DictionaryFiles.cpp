#include "dicts/DictionaryFiles.h"

#include "dicts/DictError.h"
#include "platform/FileIo.h"
#include "platform/UserFolders.h"

#include <system_error>

namespace velmar {

DictionaryFolders dictionaryFoldersFor(const std::filesystem::path& programFolder) {
    return DictionaryFolders{userDataFolder(), {programFolder, programFolder / ".." / "share" / "velmar"}};
}

std::filesystem::path importedInspectionDirectoryPath(const DictionaryFolders& folders) {
    return folders.userFolder / kInspectionNumbersFile;
}

std::optional<std::filesystem::path> locateDictionary(const DictionaryFolders& folders, std::string_view fileName) {
    auto candidate = [&](const std::filesystem::path& folder) -> std::optional<std::filesystem::path> {
        if (folder.empty())
            return std::nullopt;
        std::filesystem::path path = folder / fileName;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec))
            return path;
        return std::nullopt;
    };
    if (auto found = candidate(folders.userFolder))
        return found;
    for (const std::filesystem::path& folder : folders.programFolders)
        if (auto found = candidate(folder))
            return found;
    return std::nullopt;
}

std::string readDictionaryFile(const std::filesystem::path& path) {
    try {
        return readFileBytes(path);
    } catch (const FileError& e) {
        throw DictError(e.what());
    }
}

} // namespace velmar
