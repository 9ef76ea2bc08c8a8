#include "pages/UpDown.h"

#include "pages/MaskedEdit.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmar {

TUpDown::TUpDown(TMaskedEdit* associate, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), associate_(associate), minimum_(minimum), maximum_(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto makeButton = [this, layout](Qt::ArrowType arrow, int delta) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 12);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, delta] { Step(delta); });
        return button;
    };
    up_ = makeButton(Qt::UpArrow, 1);
    down_ = makeButton(Qt::DownArrow, -1);
    associate_->installEventFilter(this);
}

void TUpDown::Step(int delta) {
    bool ok = false;
    int value = associate_->text().toInt(&ok);
    if (!ok)
        value = minimum_;
    value = qBound(minimum_, value + delta, maximum_);
    associate_->setText(QString::number(value));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress && associate_->isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmar
