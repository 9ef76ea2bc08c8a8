#include "pages/ThinkingFrame.h"

namespace velmar {

TThinkingFrame::TThinkingFrame(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services)
    : QWidget(parent), declarationRef_(declarationRef), services_(services) {}

} // namespace velmar
