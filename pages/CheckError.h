#pragma once
// The check-message windows: one problem, a caption naming the section, and
// the buttons that decide what the check does next.
#include "pages/CheckPrompt.h"

#include <QDialog>

class QLabel;
class QHBoxLayout;
class QPushButton;

namespace velmar {

// Base of both windows: caption "Проверка: " + section, the message centred
// and word-wrapped, a fixed border, centred on the screen.
class TfmCheckMessage : public QDialog {
    Q_OBJECT
public:
    QPushButton* bnFix() const { return bnFix_; }
    QString messageText() const;

protected:
    TfmCheckMessage(const TCheckRequest& request, QWidget* parent);
    QPushButton* addAnswerButton(const QString& caption, int answer);
    void finishLayout();
    void showEvent(QShowEvent* event) override;

private:
    QLabel* lbMessage_ = nullptr;
    QPushButton* bnFix_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

// The pages' window: "Исправить" (6), "Пропустить" (7), "Пропустить все" (9).
// Closing it returns kCheckClosed; `effectiveAnswer` says what that counts as.
class TfmCheckError : public TfmCheckMessage {
    Q_OBJECT
public:
    explicit TfmCheckError(const TCheckRequest& request, QWidget* parent = nullptr);
    QPushButton* bnSkip() const { return bnSkip_; }
    QPushButton* bnSkipAll() const { return bnSkipAll_; }

    // Shows the window modally and returns the answer as the checks count it.
    static int Ask(const TCheckRequest& request, QWidget* parent = nullptr);

private:
    QPushButton* bnSkip_ = nullptr;
    QPushButton* bnSkipAll_ = nullptr;
};

// The whole-return check's window: "Исправить" (6) and "Отмена" (7); closing
// it counts as "Отмена".
class TfmCheckAllError : public TfmCheckMessage {
    Q_OBJECT
public:
    explicit TfmCheckAllError(const TCheckRequest& request, QWidget* parent = nullptr);
    QPushButton* bnCancel() const { return bnCancel_; }

    static int Ask(const TCheckRequest& request, QWidget* parent = nullptr);

private:
    QPushButton* bnCancel_ = nullptr;
};

} // namespace velmar
