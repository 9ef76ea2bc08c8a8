#pragma once
// The tax-office pick list. The main window builds it once from the directory
// it loaded at start-up and keeps it for the whole run, preselecting the
// office of the page each time it shows it.
#include "dicts/InspectionNumbers.h"
#include "pages/DictListDialog.h"
#include "pages/LoadSoun.h"
#include "pages/PageServices.h"

#include <QPointer>

#include <filesystem>
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

// The tax-office directory as the pages ask for it: the pick list is built on
// first use and kept for the rest of the run; its "моя инспекция отсутствует"
// button opens the classifier import, which writes `importTarget`.
class TInspectionNumberDirectory : public TCodeDirectory {
public:
    TInspectionNumberDirectory(InspectionDirectory directory, std::filesystem::path importTarget,
                               QString importStartFolder, TLoadSounServices services = DesktopLoadSounServices());
    ~TInspectionNumberDirectory() override;
    std::optional<QString> Choose(QWidget* parent, const QString& current) override;

    std::size_t RowCount() const { return directory_.inspections.size(); }
    // The pick list once it has been shown; null before.
    TfmInputInspectionNumber* Dialog() const { return dialog_.data(); }

private:
    TfmInputInspectionNumber* dialog(QWidget* parent);

    InspectionDirectory directory_;
    std::filesystem::path importTarget_;
    QString importStartFolder_;
    TLoadSounServices services_;
    QPointer<TfmInputInspectionNumber> dialog_;
};

} // namespace velmar
