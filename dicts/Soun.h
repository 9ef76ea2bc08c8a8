#pragma once
// Import of the tax-office classifier "soun1.dbf" (dBASE, office names in the
// DOS Cyrillic code page) into the directory "InspectionNumbers.xml", and the
// texts of the import dialog.
#include "dicts/CodeList.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// The record as the classifier publishes it; a file with any other record
// length or field layout is refused rather than misread.
inline constexpr std::size_t kSounRecordLength = 1194;
inline constexpr std::size_t kSounHeaderLength = 32;
inline constexpr std::size_t kSounCodeOffset = 1, kSounCodeLength = 4;
inline constexpr std::size_t kSounClosedOffset = 7, kSounClosedLength = 30;   // must be blank
inline constexpr std::size_t kSounNameOffset = 161, kSounNameLength = 250;
inline constexpr std::size_t kSounActiveOffset = 411, kSounActiveLength = 1;  // must be "1"
inline constexpr std::size_t kSounEndOffset = 934, kSounEndLength = 10;       // must be blank

// The offices the directory lists, in file order, from the bytes of the
// classifier file. `sourceName` names the file in messages. Throws DictError
// for a header that is not the classifier's and, with the message
// "Error read file:<sourceName>", for a file that ends inside a record.
std::vector<CodeName> readSounOffices(std::string_view dbf, std::string_view sourceName);

// Reads `source` and writes the directory to `target` (creating its folder)
// through a temporary file and a rename, so that a failed import leaves the
// previous directory as it was. The root carries `version` and `date`.
// Returns the number of offices written; throws DictError on any failure.
std::size_t importSoun(const std::filesystem::path& source, const std::filesystem::path& target,
                       std::string_view version, std::string_view date);

// What the import dialog passes as the version of the directory it writes.
inline constexpr std::string_view kSounDirectoryVersion = "00";

// Texts of the import dialog.
inline constexpr std::string_view kLoadSounCaption = "Загрузка СОУН";
inline constexpr std::string_view kLoadSounHelpLinkLabel = "подробно расписано в Справке";
inline constexpr std::string_view kLoadSounDownloadLabel =
    "- скачать актуальный классификатор СОУН с сайта ГНИВЦ ФНС России";
inline constexpr std::array<std::string_view, 11> kLoadSounLabels = {
    "Инспекция может отсутствовать в справочнике по двум причинам:",
    "- у инспекции изменился код и название, а вы не в курсе",
    "- справочник устарел",
    "Возможно два решения проблемы: простое и более сложное",
    "Простое: отредактировать справочник вручную. Как это сделать,",
    kLoadSounHelpLinkLabel,
    "Сложное:",
    kLoadSounDownloadLabel,
    "- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf",
    "- указать путь к файлу soun1.dbf и обновить справочник",
    "- перезапустить программу \"Velmar 2015\"",
};
// Download page of the classifier (the tax authority's computing centre).
inline constexpr std::string_view kSounDownloadUrl = "https://www.gnivc.ru/inf_provision/classifiers_reference/soun/";
inline constexpr std::string_view kSounBrowseButton = "...";
inline constexpr std::string_view kSounImportButton = "Импорт СОУН";

inline constexpr std::string_view kSounPathMissingMessage = "Укажите путь к файлу soun1.dbf";
inline constexpr std::string_view kSounImportedMessage =
    "Данные успешно импортированы. Не забудьте перезапустить программу.";
inline constexpr std::string_view kSounImportFailedMessage = "Импортировать данные не удалось";
inline constexpr std::string_view kHelpFileMissingMessage = "Не найден файл справки Velm2015.chm";
inline constexpr std::string_view kBrowserFailedMessage = "Не удалось запустить браузер";

} // namespace velmar
