#include "pages/InputDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

TInputDialog::TInputDialog(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    layout->addLayout(body_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    bnYes_ = new QPushButton(QStringLiteral("Да"), this);
    bnNo_ = new QPushButton(QStringLiteral("Нет"), this);
    bnYes_->setAutoDefault(false);
    bnNo_->setAutoDefault(false);
    buttons->addWidget(bnYes_);
    buttons->addWidget(bnNo_);
    layout->addLayout(buttons);
    connect(bnYes_, &QPushButton::clicked, this, &TInputDialog::Confirm);
    connect(bnNo_, &QPushButton::clicked, this, &QDialog::reject);
}

void TInputDialog::Confirm() {
    if (CanAccept())
        accept();
}

// Key preview: the dialog sees Enter and Escape before any of its controls,
// whichever has the focus.
void TInputDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->removeEventFilter(this);
        child->installEventFilter(this);
    }
}

bool TInputDialog::eventFilter(QObject* watched, QEvent* event) {
    // Only keys meant for this window: an open drop-down list is a window of
    // its own (a child of its combo box), where Enter picks the item.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget && widget->window() == this
        && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TInputDialog::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool TInputDialog::handleKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Confirm();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    default:
        return false;
    }
}

} // namespace velmar
