#pragma once
// The conventions of every input dialog: modal; Enter anywhere in it acts as
// "Да" (with the dialog's checks), Escape closes it as "Нет"; the buttons are
// captioned "Да" and "Нет".
#include <QDialog>

class QPushButton;
class QVBoxLayout;

namespace velmar {

class TInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit TInputDialog(QWidget* parent = nullptr);

    QPushButton* bnYes() const { return bnYes_; }
    QPushButton* bnNo() const { return bnNo_; }

    // "Да": closes with Accepted when CanAccept() allows it.
    void Confirm();

protected:
    // The dialog's checks before it closes with "Да"; a refusing dialog has
    // focused the field concerned.
    virtual bool CanAccept() { return true; }

    // Where a derived dialog puts its controls (above the buttons).
    QVBoxLayout* Body() const { return body_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool handleKey(QKeyEvent* event);

    QVBoxLayout* body_ = nullptr;
    QPushButton* bnYes_ = nullptr;
    QPushButton* bnNo_ = nullptr;
};

} // namespace velmar
