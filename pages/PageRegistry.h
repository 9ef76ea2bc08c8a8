#pragma once
// Which page each page button of the main window opens. A page that is not
// built yet is a placeholder; each new page replaces one line here.
#include "pages/ThinkingFrame.h"

namespace velmar {

QString PageCaption(TPageId page);
// List pages select their first record when their button opens them.
bool IsListPage(TPageId page);
TThinkingFrame* CreatePage(TPageId page, QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services);

inline constexpr TPageId kAllPages[] = {TPageId::InitialData,    TPageId::PersonData,     TPageId::RussianIncome,
                                        TPageId::ForeignIncome,  TPageId::BusinessIncome, TPageId::InvestTov,
                                        TPageId::Deduction};

} // namespace velmar
