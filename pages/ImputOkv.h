#pragma once
// The cascading economic-activity chooser: six drop-down lists, one per level
// of the classifier, mirroring an OkvedChooser. The business page builds it
// from the classifier loaded at start-up each time it asks for a code.
#include "dicts/Okved.h"
#include "pages/InputDialog.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace velmar {

class TFormOKVED : public TInputDialog {
    Q_OBJECT
public:
    // Asked when "Да" meets a code of three characters or fewer; true when the
    // user answers "Исправить" (the chooser stays open), false for "Пропустить"
    // or a closed window (the chooser closes with the short code).
    using ShortCodeQuestion = std::function<bool(const QString& section, const QString& message)>;

    // `entries` may be null (no classifier file): every list then offers only
    // "нет". The entries must outlive the dialog.
    TFormOKVED(QWidget* parent, const std::vector<OkvedEntry>* entries);

    // The main window passes the check-message window here. Without it a plain
    // message box asks the same question.
    void SetShortCodeQuestion(ShortCodeQuestion ask) { ask_ = std::move(ask); }

    // The chosen entry (its Kod, OKVED and Name); none until one is chosen.
    std::optional<OkvedEntry> Chosen() const;

    QComboBox* ComboBox(int level) const { return combos_.at(static_cast<std::size_t>(level - 1)); }
    QLineEdit* edOKV() const { return edOKV_; }
    QPushButton* bnCansel() const { return bnNo(); }

protected:
    // "Да" closes with OK for a code longer than three characters; a shorter
    // one is put to the user first. Nothing happens before an entry is chosen.
    bool CanAccept() override;

private:
    void levelChanged(int level, int row);
    void refresh();
    bool askShortCode();

    OkvedChooser chooser_;
    std::array<QComboBox*, kOkvedLevels> combos_{};
    QLineEdit* edOKV_ = nullptr;
    ShortCodeQuestion ask_;
};

} // namespace velmar
