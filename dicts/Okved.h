#pragma once
// The economic-activity classifier "Sp_OKVED2.xml" and the cascading chooser
// over it. Each child of the root is one entry with the child elements `GRUP`
// (level "1" to "6"), `Kod` (hierarchical code: an entry's `Kod` begins with
// its ancestors'), `OKVED` (the code as shown and stored) and `Name`.
//
// OkvedChooser holds the state of the six drop-down lists of the chooser
// dialog; the dialog only mirrors it. Every list item keeps the entry it came
// from, so two entries of the same name each give their own code.
#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct OkvedEntry {
    std::string level; // GRUP
    std::string kod;
    std::string okved;
    std::string name;
};

// Throws DictError naming the file and the fault.
std::vector<OkvedEntry> parseOkved(std::string_view xml, std::string_view sourceName);
std::vector<OkvedEntry> loadOkved(const std::filesystem::path& path);

inline constexpr int kOkvedLevels = 6;
inline constexpr std::string_view kOkvedNone = "нет";

class OkvedChooser {
public:
    // `entries` may be null (no classifier file): every list then holds only
    // "нет". The entries must outlive the chooser.
    explicit OkvedChooser(const std::vector<OkvedEntry>* entries);

    // Items of the list of `level` (1..6): row 0 is always "нет", row k > 0 is
    // the entry rowEntries(level)[k - 1].
    std::vector<std::string> rowTexts(int level) const;
    const std::vector<const OkvedEntry*>& rowEntries(int level) const;
    int selectedRow(int level) const;

    // The user picked `row` in the list of `level`. A real entry becomes the
    // chosen one and fills every deeper list with the entries below it (all
    // deeper levels at once), each left on "нет". "нет" in a list that holds
    // more clears the deeper lists but keeps the chosen entry.
    void choose(int level, int row);

    // The chosen entry; null until one is chosen.
    const OkvedEntry* chosen() const { return chosen_; }
    // The text of the code field: the chosen entry's OKVED, "нет" before.
    std::string shownCode() const;
    // "Да" closes the chooser at once only for a code (`Kod`) longer than
    // three characters; otherwise the length message is shown first.
    bool codeLongEnough() const;

private:
    void fillLevel(int level, std::string_view kodPrefix);
    void resetLevel(int level);

    const std::vector<OkvedEntry>* entries_;
    std::array<std::vector<const OkvedEntry*>, kOkvedLevels> rows_;
    std::array<int, kOkvedLevels> selected_{};
    const OkvedEntry* chosen_ = nullptr;
};

inline constexpr std::string_view kOkvedDialogCaption = "Код по ОКВЭД";
inline constexpr std::string_view kOkvedCheckSection = "ОКВЭД";
inline constexpr std::string_view kOkvedShortCodeMessage =
    "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку";

} // namespace velmar
