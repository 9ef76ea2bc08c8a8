#pragma once
// The pick list of (code, name) rows that every dictionary dialog is, with the
// keys of every input dialog (Enter "Да", Escape "Нет") and a double click on
// a row as "Да". "Да" stays disabled while no row is selected, so the dialog
// never hands back a choice the user did not make - also not the previous one
// when a dialog kept for the whole run is preselected with a code it does not
// list.
#include "dicts/CodeList.h"
#include "pages/InputDialog.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

class QTreeWidget;

namespace velmar {

class TDictListDialog : public TInputDialog {
    Q_OBJECT
public:
    QTreeWidget* List() const { return list_; }
    QPushButton* bnCansel() const { return bnNo(); }

    // The selected row; none while nothing is selected.
    std::optional<std::size_t> ChosenRow() const { return chosen_; }
    // The code and name of the selected row; empty while nothing is selected.
    QString Code() const;
    QString Name() const;

    // Selects and focuses `row`; none, or a row the list does not have, leaves
    // nothing selected.
    void SelectRow(std::optional<std::size_t> row);

protected:
    TDictListDialog(QWidget* parent, const QString& caption, const QString& listName, const QString& codeColumn,
                    const QString& nameColumn);

    // Fills the list, replacing any rows it had; nothing is selected after.
    void SetRows(const std::vector<CodeName>& rows);

    bool CanAccept() override { return chosen_.has_value(); }

private:
    void selectionChanged();

    QTreeWidget* list_ = nullptr;
    std::vector<CodeName> rows_;
    std::optional<std::size_t> chosen_;
};

// Texts of the dictionaries are UTF-8 inside the program.
inline QString dictText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Column widths of the dictionary lists, in pixels.
inline constexpr int kDictCodeColumnWidth = 60;
inline constexpr int kDictNameColumnWidth = 570;

} // namespace velmar
