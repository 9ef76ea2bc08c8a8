#include "pages/PageRegistry.h"

#include "pages/FrameInitialData.h"
#include "pages/PlaceholderPage.h"

namespace velmar {

QString PageCaption(TPageId page) {
    switch (page) {
    case TPageId::InitialData: return QStringLiteral("Задание условий");
    case TPageId::PersonData: return QStringLiteral("Сведения о декларанте");
    case TPageId::RussianIncome: return QStringLiteral("Доходы, полученные в РФ");
    case TPageId::ForeignIncome: return QStringLiteral("Доходы за пределами РФ");
    case TPageId::BusinessIncome: return QStringLiteral("Предприниматели");
    case TPageId::Deduction: return QStringLiteral("Вычеты");
    case TPageId::InvestTov: return QStringLiteral("Инвест. товарищества");
    }
    return {};
}

bool IsListPage(TPageId page) {
    return page == TPageId::RussianIncome || page == TPageId::ForeignIncome || page == TPageId::BusinessIncome;
}

TThinkingFrame* CreatePage(TPageId page, QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services) {
    switch (page) {
    case TPageId::InitialData: return new TfrInitialData(parent, declarationRef, services);
    case TPageId::PersonData:     // TfrPersonData
    case TPageId::RussianIncome:  // TfrRussianIncome
    case TPageId::ForeignIncome:  // TfrCurrency
    case TPageId::BusinessIncome: // TfrBusinessNew
    case TPageId::Deduction:      // TfrFrameDeductData
    case TPageId::InvestTov:      // TfrInvestTov
        break;
    }
    return new TfrPlaceholder(parent, declarationRef, services, PageCaption(page));
}

} // namespace velmar
