#pragma once
// Where the dictionary files are looked for. A directory rebuilt by the user
// (the tax-office import) lives in the user's data folder, because the
// program folder cannot be relied on to be writable; so every dictionary is
// looked for there first and then beside the program.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

inline constexpr std::string_view kInspectionNumbersFile = "InspectionNumbers.xml";
inline constexpr std::string_view kOksmFile = "Oksm.xml";
inline constexpr std::string_view kOkvedFile = "Sp_OKVED2.xml";
inline constexpr std::string_view kCurrencyRatesFile = "CurrencyRates.xml";
inline constexpr std::string_view kSounFile = "soun1.dbf";

struct DictionaryFolders {
    std::filesystem::path userFolder;                  // written by the import; may be empty
    std::vector<std::filesystem::path> programFolders; // beside the program, in order
};

// The folders of a program whose executable lies in `programFolder`: the
// user's data folder, then the program folder, then the installed data folder
// <programFolder>/../share/velmar.
DictionaryFolders dictionaryFoldersFor(const std::filesystem::path& programFolder);

// Where the tax-office import writes the directory: the user's data folder,
// where start-up looks first (the current folder when there is none).
std::filesystem::path importedInspectionDirectoryPath(const DictionaryFolders& folders);

// The first existing regular file named `fileName` in the user folder, then in
// the program folders; none when there is no such file. A missing dictionary
// is no error: the features that need it stay empty.
std::optional<std::filesystem::path> locateDictionary(const DictionaryFolders& folders, std::string_view fileName);

// The bytes of a dictionary file; throws DictError naming the file when it
// cannot be read.
std::string readDictionaryFile(const std::filesystem::path& path);

} // namespace velmar
