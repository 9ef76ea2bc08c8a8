#include "pages/ImputOkv.h"

#include "pages/DictListDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velmar {

TFormOKVED::TFormOKVED(QWidget* parent, const std::vector<OkvedEntry>* entries)
    : TInputDialog(parent), chooser_(entries) {
    setWindowTitle(dictText(kOkvedDialogCaption));
    bnYes()->setObjectName(QStringLiteral("bnYes"));
    bnNo()->setObjectName(QStringLiteral("bnCansel"));

    QVBoxLayout* layout = Body();
    for (int level = 1; level <= kOkvedLevels; ++level) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("ComboBox%1").arg(level));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(60);
        combos_[static_cast<std::size_t>(level - 1)] = combo;
        layout->addWidget(combo);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, level](int row) { levelChanged(level, row); });
    }

    edOKV_ = new QLineEdit(this);
    edOKV_->setObjectName(QStringLiteral("edOKV"));
    edOKV_->setReadOnly(true);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(edOKV_);
    codeRow->addStretch(1);
    layout->addLayout(codeRow);
    refresh();
}

std::optional<OkvedEntry> TFormOKVED::Chosen() const {
    if (const OkvedEntry* entry = chooser_.chosen())
        return *entry;
    return std::nullopt;
}

void TFormOKVED::levelChanged(int level, int row) {
    // A list being refilled reports -1 and rows that no longer mean anything;
    // refresh() blocks those, so only the user's picks arrive here.
    if (row < 0 || static_cast<std::size_t>(row) > chooser_.rowEntries(level).size())
        return;
    chooser_.choose(level, row);
    refresh();
}

// Puts the chooser's state on screen: every list's items and selection, the
// code field, and whether "Да" may be pressed.
void TFormOKVED::refresh() {
    for (int level = 1; level <= kOkvedLevels; ++level) {
        QComboBox* combo = ComboBox(level);
        const QSignalBlocker blocker(combo);
        QStringList texts;
        for (const std::string& text : chooser_.rowTexts(level))
            texts.append(QString::fromStdString(text));
        bool same = combo->count() == texts.size();
        for (int i = 0; same && i < texts.size(); ++i)
            same = combo->itemText(i) == texts[i];
        if (!same) {
            combo->clear();
            combo->addItems(texts);
        }
        combo->setCurrentIndex(chooser_.selectedRow(level));
    }
    edOKV_->setText(QString::fromStdString(chooser_.shownCode()));
    // Confirming before anything is chosen would hand back no code at all.
    bnYes()->setEnabled(chooser_.chosen() != nullptr);
}

bool TFormOKVED::CanAccept() {
    if (!chooser_.chosen())
        return false;
    return chooser_.codeLongEnough() || !askShortCode();
}

bool TFormOKVED::askShortCode() {
    const QString section = dictText(kOkvedCheckSection);
    const QString message = dictText(kOkvedShortCodeMessage);
    if (ask_)
        return ask_(section, message);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Проверка: ") + section, message, QMessageBox::NoButton,
                    this);
    QPushButton* fix = box.addButton(QStringLiteral("Исправить"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Пропустить"), QMessageBox::RejectRole);
    box.addButton(QStringLiteral("Пропустить все"), QMessageBox::DestructiveRole)->setEnabled(false);
    box.exec();
    return box.clickedButton() == fix;
}

} // namespace velmar
