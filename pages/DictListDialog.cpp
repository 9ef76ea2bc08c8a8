#include "pages/DictListDialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmar {

TDictListDialog::TDictListDialog(QWidget* parent, const QString& caption, const QString& listName,
                                 const QString& codeColumn, const QString& nameColumn)
    : TInputDialog(parent) {
    setWindowTitle(caption);
    bnYes()->setObjectName(QStringLiteral("bnYes"));
    bnNo()->setObjectName(QStringLiteral("bnCansel"));
    bnYes()->setEnabled(false);

    list_ = new QTreeWidget(this);
    list_->setObjectName(listName);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHeaderLabels({codeColumn, nameColumn});
    list_->header()->setStretchLastSection(true);
    list_->header()->resizeSection(0, kDictCodeColumnWidth);
    list_->header()->resizeSection(1, kDictNameColumnWidth);
    Body()->addWidget(list_, 1);
    resize(kDictCodeColumnWidth + kDictNameColumnWidth + 60, 460);

    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TDictListDialog::selectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Confirm(); });
}

void TDictListDialog::SetRows(const std::vector<CodeName>& rows) {
    list_->clear();
    rows_ = rows;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows_.size()));
    for (const CodeName& row : rows_)
        items.append(new QTreeWidgetItem(QStringList{dictText(row.code), dictText(row.name)}));
    list_->addTopLevelItems(items);
    SelectRow(std::nullopt);
}

QString TDictListDialog::Code() const { return chosen_ ? dictText(rows_[*chosen_].code) : QString(); }

QString TDictListDialog::Name() const { return chosen_ ? dictText(rows_[*chosen_].name) : QString(); }

void TDictListDialog::SelectRow(std::optional<std::size_t> row) {
    QTreeWidgetItem* item = nullptr;
    if (row && *row < rows_.size())
        item = list_->topLevelItem(static_cast<int>(*row));
    if (!item) {
        list_->clearSelection();
        list_->setCurrentItem(nullptr);
        selectionChanged(); // an already empty selection sends no signal
        return;
    }
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    list_->setFocus();
}

void TDictListDialog::selectionChanged() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    chosen_.reset();
    if (!selected.isEmpty()) {
        const int index = list_->indexOfTopLevelItem(selected.first());
        if (index >= 0 && static_cast<std::size_t>(index) < rows_.size())
            chosen_ = static_cast<std::size_t>(index);
    }
    bnYes()->setEnabled(chosen_.has_value());
}

} // namespace velmar
