#include "pages/MaskedEdit.h"

#include "pages/DeclChanged.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace velmar {

TMaskedLineEdit::TMaskedLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TMaskedLineEdit::textChangedByAnyone);
}

void TMaskedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!command && typed.size() == 1 && typed[0].isPrint()) {
        typeCharacter(typed[0]);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TMaskedLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    // A composed text arrives here instead of as key presses; it passes the
    // same key filter character by character.
    if (event->preeditString().isEmpty() && event->replacementLength() == 0 && !event->commitString().isEmpty()) {
        for (QChar ch : event->commitString())
            typeCharacter(ch);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

QString TMaskedLineEdit::textWithoutSelection(int* caret) const {
    QString current = text();
    *caret = cursorPosition();
    if (hasSelectedText()) {
        const int start = selectionStart();
        current.remove(start, static_cast<int>(selectedText().size()));
        *caret = start;
    }
    return current;
}

void TMaskedLineEdit::textChangedByAnyone(const QString& text) {
    if (reentered_)
        return;
    const std::optional<QString> kept = acceptChange(text);
    if (!kept) {
        setTextQuietly(lastText_);
        return;
    }
    if (*kept != text) {
        const int caret = cursorPosition();
        setTextQuietly(*kept);
        setCursorPosition(qMin(caret, static_cast<int>(kept->size())));
    }
    if (*kept == lastText_)
        return;
    // LastText moves first, so that a change handler that sets the text again
    // is compared with what it replaces.
    lastText_ = *kept;
    SendDeclChanged();
    emit changed();
}

void TMaskedLineEdit::setTextQuietly(const QString& text) {
    reentered_ = true;
    setText(text);
    reentered_ = false;
}

TMaskedEdit::TMaskedEdit(QWidget* parent) : TMaskedLineEdit(parent) {}

std::optional<QString> TMaskedEdit::acceptChange(const QString& text) const { return acceptText(rule_, text); }

void TMaskedEdit::typeCharacter(QChar ch) {
    int caret = 0;
    const QString rest = textWithoutSelection(&caret);
    const KeyResult key = applyKey(rule_, rest, caret, ch);
    if (key.accepted)
        insert(QString(key.ch));
}

TMaskedDocEdit::TMaskedDocEdit(QWidget* parent) : TMaskedLineEdit(parent) {}

std::optional<QString> TMaskedDocEdit::acceptChange(const QString& text) const { return docAcceptText(mask_, text); }

void TMaskedDocEdit::typeCharacter(QChar ch) {
    int caret = 0;
    const QString rest = textWithoutSelection(&caret);
    const DocKeyResult key = docApplyKey(mask_, rest, caret, ch);
    if (!key.accepted)
        return;
    setText(key.text);
    setCursorPosition(key.caret);
}

} // namespace velmar
