#include "pages/ContainerFrame.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

TContainerFrame::TContainerFrame(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services)
    : TThinkingFrame(parent, declarationRef, services) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    buttonRow_ = new QHBoxLayout;
    buttonRow_->setSpacing(4);
    buttonRow_->addStretch(1);
    layout->addLayout(buttonRow_);
    pnlFormContainer_ = new QWidget(this);
    pnlFormContainer_->setObjectName(QStringLiteral("PnlFormContainer"));
    layout->addWidget(pnlFormContainer_, 1);
    host_ = new TPageHost(pnlFormContainer_, services, this);
}

void TContainerFrame::AddInnerPage(const QString& caption, TPageHost::Factory factory) {
    auto* button = new QPushButton(caption, this);
    button->setProperty("velmarInnerPageButton", true);
    buttonRow_->insertWidget(buttonRow_->count() - 1, button);
    host_->AddPage(innerCount_++, button, std::move(factory));
}

void TContainerFrame::ShowFirstInnerPage() {
    if (innerCount_ > 0)
        host_->ShowPage(0);
}

void TContainerFrame::SaveData() {
    if (TThinkingFrame* page = host_->CurrentPage())
        page->SaveData();
}

uint16_t TContainerFrame::CheckData() {
    TThinkingFrame* page = host_->CurrentPage();
    return page ? page->CheckData() : 0;
}

void TContainerFrame::FocusError(uint16_t code) {
    if (TThinkingFrame* page = host_->CurrentPage())
        page->FocusError(code);
}

void TContainerFrame::ShowInnerPage(int index, uint16_t code) {
    if (host_->CurrentId() != index || !host_->CurrentPage())
        host_->ShowPage(index);
    if (TThinkingFrame* page = host_->CurrentPage())
        page->FocusError(code);
}

} // namespace velmar
