#pragma once
// The base of every input page. A page owns no data: it loads its controls
// from the current return when it is built and copies them back in SaveData.
#include "pages/PageServices.h"

#include <QWidget>

#include <cstdint>

namespace velmar {

class TThinkingFrame : public QWidget {
    Q_OBJECT
public:
    // Builds the page; a derived constructor then loads every control from the
    // return. The creator keeps `PageLoading` set meanwhile.
    TThinkingFrame(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services);

    // Copies every control into the return. Never refuses, never asks.
    virtual void SaveData() = 0;
    // 0: the page may be left. Otherwise a code private to the page (as a rule
    // the offending control), after the page showed its message.
    virtual uint16_t CheckData() = 0;
    // Shows and focuses the control a problem code names.
    virtual void FocusError(uint16_t code) = 0;
    // List pages select their first record when they are opened by their
    // button and hold at least one; other pages do nothing.
    virtual void SelectFirstRecord() {}

    DeclarationSlot& DeclarationRef() const { return declarationRef_; }
    mTDeclaration& Declaration() const { return *declarationRef_; }
    TPageServices& Services() const { return services_; }

private:
    DeclarationSlot& declarationRef_;
    TPageServices& services_;
};

} // namespace velmar
