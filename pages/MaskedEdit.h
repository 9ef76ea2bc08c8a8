#pragma once
// The input fields of the pages. Each typed character passes a key filter; each
// change of the text (typed, pasted, dropped or set by code) passes a change
// rule that either keeps it or puts back the last accepted text. A real change
// notifies the main window and fires `changed` ("OnChange"); a refused one
// does neither. Enter is left to the window (it confirms dialogs).
#include "pages/DocMaskRules.h"
#include "pages/MaskRules.h"

#include <QLineEdit>

#include <optional>

namespace velmar {

class TMaskedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    QString LastText() const { return lastText_; }

signals:
    void changed();

protected:
    explicit TMaskedLineEdit(QWidget* parent);
    // The text to keep for `text`, or nullopt to put back the last accepted one.
    virtual std::optional<QString> acceptChange(const QString& text) const = 0;
    // One typed printable character; the widget's text is what the rules make of it.
    virtual void typeCharacter(QChar ch) = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

    // The field without its selection, and where the caret will stand.
    QString textWithoutSelection(int* caret) const;

private:
    void textChangedByAnyone(const QString& text);
    void setTextQuietly(const QString& text);

    QString lastText_;
    bool reentered_ = false;
};

// Amounts, codes and names.
class TMaskedEdit : public TMaskedLineEdit {
    Q_OBJECT
public:
    explicit TMaskedEdit(QWidget* parent = nullptr);

    uint16_t WholeLength() const { return rule_.wholeLength; }
    void SetWholeLength(uint16_t value) { rule_.wholeLength = value; }
    uint16_t FractionalLength() const { return rule_.fractionalLength; }
    void SetFractionalLength(uint16_t value) { rule_.fractionalLength = value; }
    TEditTypeControlEnum EditType() const { return rule_.editType; }
    void SetEditType(TEditTypeControlEnum value) { rule_.editType = value; }
    const MaskRule& Rule() const { return rule_; }

protected:
    std::optional<QString> acceptChange(const QString& text) const override;
    void typeCharacter(QChar ch) override;

private:
    MaskRule rule_;
};

// The series and number of an identity document.
class TMaskedDocEdit : public TMaskedLineEdit {
    Q_OBJECT
public:
    explicit TMaskedDocEdit(QWidget* parent = nullptr);

    TDocumentMaskEnum EditType() const { return mask_; }
    void SetEditType(TDocumentMaskEnum value) { mask_ = value; }

protected:
    std::optional<QString> acceptChange(const QString& text) const override;
    void typeCharacter(QChar ch) override;

private:
    TDocumentMaskEnum mask_ = edtNone1;
};

} // namespace velmar
