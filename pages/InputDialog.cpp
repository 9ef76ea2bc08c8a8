#include "pages/InputDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
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

TfmCodeList::TfmCodeList(const QString& caption, const QString& codeColumn, const QString& nameColumn,
                         const std::vector<Row>& rows, QWidget* parent)
    : TInputDialog(parent) {
    setWindowTitle(caption);
    lvList_ = new QTreeWidget(this);
    lvList_->setObjectName(QStringLiteral("lvList"));
    lvList_->setRootIsDecorated(false);
    lvList_->setUniformRowHeights(true);
    lvList_->setAllColumnsShowFocus(true);
    lvList_->setHeaderLabels({codeColumn, nameColumn});
    lvList_->header()->setStretchLastSection(true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(rows.size()));
    for (const Row& row : rows)
        items.append(new QTreeWidgetItem(QStringList{row.code, row.name}));
    lvList_->addTopLevelItems(items);
    lvList_->resizeColumnToContents(0);
    Body()->addWidget(lvList_);
    resize(680, 460);
    connect(lvList_, &QTreeWidget::itemDoubleClicked, this, [this] { Confirm(); });
}

void TfmCodeList::Preselect(const QString& code) {
    lvList_->clearSelection();
    lvList_->setCurrentItem(nullptr);
    for (int i = 0; i < lvList_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lvList_->topLevelItem(i);
        if (item->text(0) == code) {
            lvList_->setCurrentItem(item);
            lvList_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            return;
        }
    }
}

QString TfmCodeList::SelectedCode() const {
    const QList<QTreeWidgetItem*> selected = lvList_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}


TCodeListDirectory::TCodeListDirectory(QString caption, QString codeColumn, QString nameColumn,
                                       std::vector<TfmCodeList::Row> rows)
    : caption_(std::move(caption)), codeColumn_(std::move(codeColumn)), nameColumn_(std::move(nameColumn)),
      rows_(std::move(rows)) {}

TCodeListDirectory::~TCodeListDirectory() { delete dialog_.data(); }

std::optional<QString> TCodeListDirectory::Choose(QWidget* parent, const QString& current) {
    if (!dialog_)
        dialog_ = new TfmCodeList(caption_, codeColumn_, nameColumn_, rows_, parent ? parent->window() : nullptr);
    dialog_->Preselect(current);
    if (dialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QString code = dialog_->SelectedCode();
    if (code.isEmpty())
        return std::nullopt;
    return code;
}

} // namespace velmar
