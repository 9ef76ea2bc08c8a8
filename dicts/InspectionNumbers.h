#pragma once
// The tax-office directory "InspectionNumbers.xml": root `Inspections` with the
// attributes `Version` and `Date`, one `Inspection` per office with its
// four-character `Code` and the office name as text. Also what the pick-list
// dialog shows and the texts of that dialog.
#include "dicts/CodeList.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct InspectionDirectory {
    std::string version;
    std::string date;
    std::vector<CodeName> inspections; // in file order
};

// Reads the directory. Throws DictError naming the file and the fault.
InspectionDirectory parseInspectionDirectory(std::string_view xml, std::string_view sourceName);
InspectionDirectory loadInspectionDirectory(const std::filesystem::path& path);

// The directory as the Windows-1251 XML text the import writes.
std::string inspectionDirectoryText(const InspectionDirectory& directory);

// Pick-list preselection: the first office with that code; none selected when
// no office has it (the dialog then hands back no choice).
inline std::optional<std::size_t> preselectInspection(const InspectionDirectory& directory, std::string_view code) {
    return findRowByCode(directory.inspections, code);
}

// Texts of the pick-list dialog.
inline constexpr std::string_view kInspectionDialogCaption = "Справочник инспекций";
inline constexpr std::string_view kInspectionCodeColumn = "Код";
inline constexpr std::string_view kInspectionNameColumn = "Наименование инспекции";
inline constexpr int kInspectionCodeColumnWidth = 60;
inline constexpr int kInspectionNameColumnWidth = 570;
inline constexpr std::string_view kInspectionMissingButton = "Пролистал весь справочник, моя инспекция отсутствует...";

} // namespace velmar
