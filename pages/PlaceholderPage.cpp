#include "pages/PlaceholderPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velmar {

TfrPlaceholder::TfrPlaceholder(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services,
                               const QString& title)
    : TThinkingFrame(parent, declarationRef, services) {
    setObjectName(QStringLiteral("TfrPlaceholder"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(1);
    auto* caption = new QLabel(title, this);
    caption->setObjectName(QStringLiteral("lbTitle"));
    QFont font = caption->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    caption->setFont(font);
    caption->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(QStringLiteral("Эта страница пока недоступна в данной версии программы.\n"
                                           "Данные этого раздела, прочитанные из файла, сохраняются без изменений."),
                            this);
    text->setObjectName(QStringLiteral("lbNotAvailable"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    layout->addWidget(caption);
    layout->addSpacing(8);
    layout->addWidget(text);
    layout->addStretch(2);
}

} // namespace velmar
