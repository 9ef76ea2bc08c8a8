#include "dicts/Okved.h"

#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "dicts/TextUtil.h"
#include "platform/XmlDom.h"

#include <stdexcept>

namespace velmar {

namespace {

std::string childText(const XmlElement& entry, std::string_view name) {
    return std::string(trimText(entry.firstChild(name).text()));
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace

std::vector<OkvedEntry> parseOkved(std::string_view xml, std::string_view sourceName) {
    try {
        XmlDocument doc = XmlDocument::parseMemory(xml, sourceName);
        std::vector<OkvedEntry> entries;
        for (const XmlElement& child : doc.root().childElements())
            entries.push_back(OkvedEntry{childText(child, "GRUP"), childText(child, "Kod"), childText(child, "OKVED"),
                                         childText(child, "Name")});
        return entries;
    } catch (const XmlError& e) {
        throw DictError(e.what());
    }
}

std::vector<OkvedEntry> loadOkved(const std::filesystem::path& path) {
    return parseOkved(readDictionaryFile(path), path.string());
}

OkvedChooser::OkvedChooser(const std::vector<OkvedEntry>* entries) : entries_(entries) {
    if (entries_)
        for (const OkvedEntry& entry : *entries_)
            if (entry.level == "1")
                rows_[0].push_back(&entry);
}

std::vector<std::string> OkvedChooser::rowTexts(int level) const {
    std::vector<std::string> texts{std::string(kOkvedNone)};
    for (const OkvedEntry* entry : rowEntries(level))
        texts.push_back(entry->name);
    return texts;
}

const std::vector<const OkvedEntry*>& OkvedChooser::rowEntries(int level) const {
    if (level < 1 || level > kOkvedLevels)
        throw std::out_of_range("OKVED level out of range");
    return rows_[level - 1];
}

int OkvedChooser::selectedRow(int level) const {
    rowEntries(level); // range check
    return selected_[level - 1];
}

void OkvedChooser::choose(int level, int row) {
    const std::vector<const OkvedEntry*>& rows = rowEntries(level);
    if (row < 0 || static_cast<std::size_t>(row) > rows.size())
        throw std::out_of_range("OKVED row out of range");
    selected_[level - 1] = row;
    if (row > 0) {
        chosen_ = rows[row - 1];
        for (int deeper = level + 1; deeper <= kOkvedLevels; ++deeper)
            fillLevel(deeper, chosen_->kod);
    } else if (!rows.empty()) {
        for (int deeper = level + 1; deeper <= kOkvedLevels; ++deeper)
            resetLevel(deeper);
    }
}

void OkvedChooser::resetLevel(int level) {
    rows_[level - 1].clear();
    selected_[level - 1] = 0;
}

void OkvedChooser::fillLevel(int level, std::string_view kodPrefix) {
    resetLevel(level);
    const std::string levelText = std::to_string(level);
    for (const OkvedEntry& entry : *entries_)
        if (entry.level == levelText && entry.kod.starts_with(kodPrefix))
            rows_[level - 1].push_back(&entry);
}

std::string OkvedChooser::shownCode() const { return chosen_ ? chosen_->okved : std::string(kOkvedNone); }

bool OkvedChooser::codeLongEnough() const { return chosen_ && utf8Length(chosen_->kod) > 3; }

} // namespace velmar
