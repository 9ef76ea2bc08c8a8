#pragma once
// The country list. The main window builds it once from "Oksm.xml" and keeps
// it for the whole run, preselecting the taxpayer's country each time.
#include "dicts/Oksm.h"
#include "pages/DictListDialog.h"

#include <string_view>
#include <vector>

namespace velmar {

class TfmGrazhd : public TDictListDialog {
    Q_OBJECT
public:
    // `countries` may be null (no country file): the list is then empty.
    TfmGrazhd(QWidget* parent, const std::vector<CodeName>* countries);

    // Selects and focuses the first country with that code; nothing is
    // selected (and nothing can be confirmed) when no country has it.
    void Preselect(std::string_view code);

private:
    const std::vector<CodeName>* countries_ = nullptr;
};

} // namespace velmar
