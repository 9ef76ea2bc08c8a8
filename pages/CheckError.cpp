#include "pages/CheckError.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace velmar {

TfmCheckMessage::TfmCheckMessage(const TCheckRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Проверка: ") + request.section);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    lbMessage_ = new QLabel(request.message, this);
    lbMessage_->setObjectName(QStringLiteral("lbMessage"));
    lbMessage_->setAlignment(Qt::AlignCenter);
    lbMessage_->setWordWrap(true);
    lbMessage_->setMinimumWidth(380);
    lbMessage_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(16);
    layout->addWidget(lbMessage_, 1);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    layout->addLayout(buttons_);
    bnFix_ = addAnswerButton(QStringLiteral("Исправить"), kCheckFix);
    bnFix_->setDefault(true);
}

QString TfmCheckMessage::messageText() const { return lbMessage_->text(); }

QPushButton* TfmCheckMessage::addAnswerButton(const QString& caption, int answer) {
    auto* button = new QPushButton(caption, this);
    button->setMinimumWidth(110);
    buttons_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
    return button;
}

void TfmCheckMessage::finishLayout() {
    buttons_->addStretch(1);
    // A fixed border: the window takes the size its message needs and keeps it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TfmCheckMessage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TfmCheckError::TfmCheckError(const TCheckRequest& request, QWidget* parent) : TfmCheckMessage(request, parent) {
    bnSkip_ = addAnswerButton(QStringLiteral("Пропустить"), kCheckSkip);
    bnSkipAll_ = addAnswerButton(QStringLiteral("Пропустить все"), kCheckSkipAll);
    bnSkip_->setEnabled(request.skipEnabled);
    bnSkipAll_->setEnabled(request.skipAllEnabled);
    finishLayout();
}

int TfmCheckError::Ask(const TCheckRequest& request, QWidget* parent) {
    TfmCheckError window(request, parent);
    return effectiveAnswer(window.exec(), request.skipEnabled);
}

TfmCheckAllError::TfmCheckAllError(const TCheckRequest& request, QWidget* parent)
    : TfmCheckMessage(request, parent) {
    bnCancel_ = addAnswerButton(QStringLiteral("Отмена"), kCheckSkip);
    finishLayout();
}

int TfmCheckAllError::Ask(const TCheckRequest& request, QWidget* parent) {
    TfmCheckAllError window(request, parent);
    const int answer = window.exec();
    return answer == kCheckFix ? kCheckFix : kCheckSkip;
}

} // namespace velmar
