#pragma once
// Up and down arrows beside a number field (`upd...`): each step changes the
// field's number within a range; an empty field counts as the lower end.
#include <QWidget>

class QToolButton;

namespace velmar {

class TMaskedEdit;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(TMaskedEdit* associate, int minimum, int maximum, QWidget* parent = nullptr);
    void Step(int delta);
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMaskedEdit* associate_;
    int minimum_, maximum_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace velmar
