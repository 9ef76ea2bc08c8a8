#pragma once
// The program's only main window: it owns the open return, shows one input
// page at a time and carries the document commands.
#include "app/DocumentSeams.h"
#include "app/UserDialogs.h"
#include "pages/DeclChanged.h"
#include "pages/PageHost.h"
#include "pages/PageServices.h"

#include <QMainWindow>
#include <QStringList>

#include <map>
#include <memory>

class QAbstractButton;
class QAction;
class QGridLayout;
class QMenu;
class QScrollArea;
class QToolBar;
class QToolButton;

namespace velmar {

class TFormMain : public QMainWindow, public TPageServices, public TDeclChangeSink {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 750;
    static constexpr int kMinimumHeight = 550;
    static constexpr int kScrollWidth = 980;
    static constexpr int kScrollHeight = 650;

    struct Options {
        QStringList arguments;           // the command line without the program
        TUserDialogs* dialogs = nullptr; // nullptr: the real dialogs
        QStringList dataFolders;         // empty: beside the program, then the installed data folder
        QString userFolder;              // empty: the user's data folder (an imported tax-office directory)
    };

    explicit TFormMain(Options options);
    ~TFormMain() override;

    // Document commands.
    void CreateDocExecute();
    void OpenDocExecute();
    void SaveDocExecute();
    void SaveAsDocExecute();
    void PreviewDocExecute();
    void PrintDocExecute();
    void ExportDocExecute();
    void CheckDocExecute();
    void HelpExecute();
    void AboutExecute();
    void QuitExecute();

    // The whole-return check: 0 nothing found, 1 the user went to fix a
    // problem (its page and control are shown), 2 cancelled or no check.
    uint16_t CheckDeclaration();

    void SetChecker(std::unique_ptr<TDeclarationChecker> checker) { checker_ = std::move(checker); }
    void SetExporter(std::unique_ptr<TDeclarationExporter> exporter) { exporter_ = std::move(exporter); }
    void SetPrinter(std::unique_ptr<TDeclarationPrinter> printer) { printer_ = std::move(printer); }
    void SetInspectionDirectory(std::unique_ptr<TCodeDirectory> directory);

    bool Saved() const { return saved_; }
    const QString& DocumentFileName() const { return documentFileName_; }
    mTDeclaration& Declaration() { return *declaration_; }
    TThinkingFrame* CurrentPage() const { return pages_->CurrentPage(); }
    TPageId CurrentPageId() const { return static_cast<TPageId>(pages_->CurrentId()); }
    QAbstractButton* PageButton(TPageId page) const { return pages_->Button(static_cast<int>(page)); }
    TPageHost& Pages() { return *pages_; }
    bool InspectionDirectoryLoaded() const { return inspections_ != nullptr; }
    bool CountryDirectoryLoaded() const { return countries_ != nullptr; }

    // TPageServices
    bool PageLoading() const override { return pageLoading_; }
    void SetPageLoading(bool loading) override { pageLoading_ = loading; }
    void EnablePageButton(TPageId page, bool enabled) override;
    bool PageButtonEnabled(TPageId page) const override;
    TCodeDirectory* InspectionDirectory() override { return inspections_.get(); }
    TCodeDirectory* CountryDirectory() override { return countries_.get(); }
    int AskCheck(const TCheckRequest& request) override;
    bool Confirm(const QString& question) override;

    // TDeclChangeSink: a control of a page changed the return.
    void DeclChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // No context menu over the tool bar: it would hide the bar behind the
    // back of the "Стандартная панель" setting.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void buildMenus();
    void buildToolBar();
    void buildPageArea();
    void applyShowStdToolbar(bool show);
    void applyTextLabels(bool labels);
    void updateScrollRange();

    // False when the command must stop (Cancel, or the return could not be saved).
    bool AskToSave();
    // Saves under `name` after the "5" rule; false when nothing was written.
    bool SaveUnderName(const QString& name);
    bool loadDocument(const QString& fileName);
    void showInitialPage();
    void setTitle();
    void setPageButtonStates();
    void showCheckResult(uint16_t pageNumber, uint16_t code);

    TQtDialogs qtDialogs_;
    TUserDialogs* dialogs_;
    QStringList dataFolders_;

    DeclarationSlot declaration_;
    QString documentFileName_;
    bool saved_ = true;
    bool pageLoading_ = false;

    std::unique_ptr<TCodeDirectory> inspections_;
    std::unique_ptr<TCodeDirectory> countries_;
    std::unique_ptr<TDeclarationChecker> checker_;
    std::unique_ptr<TDeclarationExporter> exporter_;
    std::unique_ptr<TDeclarationPrinter> printer_;

    QToolBar* coolBarButtons_ = nullptr;
    std::vector<QToolButton*> toolButtons_;
    QAction* miStdToolbar_ = nullptr;
    QAction* miTextLabels_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QWidget* scrollContent_ = nullptr;
    QGridLayout* designSize_ = nullptr;
    QWidget* pnlFormContainer_ = nullptr;
    TPageHost* pages_ = nullptr;
};

// The defaults a new return gets: no tax office, signed today, signed in
// person, income in Russia, supporting sheets counted automatically.
std::unique_ptr<mTDeclaration> NewDeclaration();

} // namespace velmar
