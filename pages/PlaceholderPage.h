#pragma once
// The page behind a button whose page is not built yet. It touches nothing in
// the return, so whatever a loaded file holds for that section is kept, and it
// can always be left.
#include "pages/ThinkingFrame.h"

namespace velmar {

class TfrPlaceholder : public TThinkingFrame {
    Q_OBJECT
public:
    TfrPlaceholder(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services, const QString& title);

    void SaveData() override {}
    uint16_t CheckData() override { return 0; }
    void FocusError(uint16_t) override {}
};

} // namespace velmar
