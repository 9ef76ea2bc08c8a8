#pragma once
// A page made of inner pages: a row of page buttons at the top and an inner
// container panel below, switched by the same protocol as the main window's.
// It passes SaveData, CheckData and FocusError to the inner page shown.
#include "pages/PageHost.h"

class QHBoxLayout;

namespace velmar {

class TContainerFrame : public TThinkingFrame {
    Q_OBJECT
public:
    void SaveData() override;
    uint16_t CheckData() override;
    void FocusError(uint16_t code) override;

    // Shows inner page `index` if it is not shown (without asking the page
    // shown), presses its button and focuses problem `code` on it.
    void ShowInnerPage(int index, uint16_t code);

    TPageHost& InnerHost() { return *host_; }
    TThinkingFrame* InnerPage() const { return host_->CurrentPage(); }

protected:
    TContainerFrame(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services);

    // Adds the next inner page (index 0, 1, ...) with its button caption.
    void AddInnerPage(const QString& caption, TPageHost::Factory factory);
    // Shows inner page 0; a derived constructor calls it after AddInnerPage.
    void ShowFirstInnerPage();

private:
    QHBoxLayout* buttonRow_ = nullptr;
    QWidget* pnlFormContainer_ = nullptr;
    TPageHost* host_ = nullptr;
    int innerCount_ = 0;
};

} // namespace velmar
