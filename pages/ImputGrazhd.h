#pragma once
// The country list. The main window builds it once from "Oksm.xml" and keeps
// it for the whole run, preselecting the taxpayer's country each time.
#include "dicts/Oksm.h"
#include "pages/DictListDialog.h"
#include "pages/PageServices.h"

#include <QPointer>

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

// The country list as the pages ask for it: built on first use and kept for
// the rest of the run.
class TCountryDirectory : public TCodeDirectory {
public:
    explicit TCountryDirectory(std::vector<CodeName> countries) : countries_(std::move(countries)) {}
    ~TCountryDirectory() override;
    std::optional<QString> Choose(QWidget* parent, const QString& current) override;
    std::size_t RowCount() const { return countries_.size(); }

private:
    std::vector<CodeName> countries_;
    QPointer<TfmGrazhd> dialog_;
};

} // namespace velmar
