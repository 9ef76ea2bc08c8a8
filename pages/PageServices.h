#pragma once
// What a page may ask of the window that shows it. The main window implements
// this; tests give pages a fake.
#include "pages/CheckPrompt.h"

#include <QString>

class QWidget;

#include <memory>
#include <optional>

namespace velmar {

class mTDeclaration;

// The main window's slot of the current return. Pages keep a reference to the
// slot, never to the return itself: "New" and "Open" put another return in it.
using DeclarationSlot = std::unique_ptr<mTDeclaration>;

// The main window's page buttons.
enum class TPageId {
    InitialData,    // fbInitialData "Задание условий"
    PersonData,     // fbPrsonInfo "Сведения о декларанте"
    RussianIncome,  // fbRussianIncome "Доходы, полученные в РФ"
    ForeignIncome,  // fbForeignIncome "Доходы за пределами РФ"
    BusinessIncome, // fbBusinessIncome "Предприниматели"
    Deduction,      // fbDeduction "Вычеты"
    InvestTov,      // fbInvestTov "Инвест. товарищества"
};

// A code dictionary the main window loaded at start-up and keeps as a
// pick-list dialog for the whole run (tax offices, countries).
class TCodeDirectory {
public:
    virtual ~TCodeDirectory() = default;
    // Shows the pick list with `current` preselected; the chosen code, or
    // nullopt when the user cancelled or chose nothing.
    virtual std::optional<QString> Choose(QWidget* parent, const QString& current) = 0;
};

class TPageServices {
public:
    virtual ~TPageServices() = default;

    // Set while a page is being built, so that filling its controls does not
    // count as a change of the return.
    virtual bool PageLoading() const = 0;
    virtual void SetPageLoading(bool loading) = 0;

    virtual void EnablePageButton(TPageId page, bool enabled) = 0;
    virtual bool PageButtonEnabled(TPageId page) const = 0;

    // nullptr when the dictionary file was missing or unreadable at start-up.
    virtual TCodeDirectory* InspectionDirectory() = 0;
    virtual TCodeDirectory* CountryDirectory() = 0;

    // Shows a problem in `TfmCheckError` and returns the answer.
    virtual int AskCheck(const TCheckRequest& request) = 0;
    // A yes/no question (caption "Velmar 2015"); true for "Да".
    virtual bool Confirm(const QString& question) = 0;
};

// Keeps `PageLoading` set for a scope and restores what it was, so that a
// container page built while its parent page is loading does not clear the
// flag early.
class TPageLoadingScope {
public:
    explicit TPageLoadingScope(TPageServices& services) : services_(services), was_(services.PageLoading()) {
        services_.SetPageLoading(true);
    }
    ~TPageLoadingScope() { services_.SetPageLoading(was_); }
    TPageLoadingScope(const TPageLoadingScope&) = delete;
    TPageLoadingScope& operator=(const TPageLoadingScope&) = delete;

private:
    TPageServices& services_;
    bool was_;
};

} // namespace velmar
