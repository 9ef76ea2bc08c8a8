#pragma once
// The tax-office pick list. The main window builds it once from the directory
// it loaded at start-up and keeps it for the whole run, preselecting the
// office of the page each time it shows it.
#include "dicts/InspectionNumbers.h"
#include "pages/DictListDialog.h"

#include <functional>
#include <string_view>

namespace velmar {

class TfmInputInspectionNumber : public TDictListDialog {
    Q_OBJECT
public:
    // `directory` may be null (no directory file): the list is then empty.
    TfmInputInspectionNumber(QWidget* parent, const InspectionDirectory* directory);

    // Selects and focuses the first office with that code; nothing is selected
    // (and nothing can be confirmed) when no office has it.
    void Preselect(std::string_view code);

    // What "Пролистал весь справочник, моя инспекция отсутствует..." does: the
    // main window opens the classifier import with it. Without an action the
    // button stays disabled.
    void SetMissingInspectionAction(std::function<void()> action);

    QPushButton* Button1() const { return button1_; }

private:
    QPushButton* button1_ = nullptr;
    std::function<void()> missingAction_;
    const InspectionDirectory* directory_ = nullptr;
};

} // namespace velmar
