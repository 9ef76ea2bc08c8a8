#include "pages/DictListDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmar {

TDictListDialog::TDictListDialog(QWidget* parent, const QString& caption, const QString& listName,
                                 const QString& codeColumn, const QString& nameColumn)
    : QDialog(parent) {
    setModal(true);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

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

    bnYes_ = new QPushButton(QStringLiteral("Да"), this);
    bnYes_->setObjectName(QStringLiteral("bnYes"));
    bnCansel_ = new QPushButton(QStringLiteral("Нет"), this);
    bnCansel_->setObjectName(QStringLiteral("bnCansel"));
    // Enter is the dialog's own key; no button may take it as its default.
    bnYes_->setAutoDefault(false);
    bnCansel_->setAutoDefault(false);
    bnYes_->setEnabled(false);

    buttonRow_ = new QHBoxLayout;
    buttonRow_->addStretch(1);
    buttonRow_->addWidget(bnYes_);
    buttonRow_->addWidget(bnCansel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttonRow_);
    resize(kDictCodeColumnWidth + kDictNameColumnWidth + 60, 460);

    connect(bnYes_, &QPushButton::clicked, this, &TDictListDialog::Confirm);
    connect(bnCansel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TDictListDialog::selectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Confirm(); });
}

void TDictListDialog::SetRows(const std::vector<CodeName>& rows) {
    list_->clear();
    rows_ = rows;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows_.size()));
    for (const CodeName& row : rows_)
        items.append(new QTreeWidgetItem(QStringList{QString::fromStdString(row.code), QString::fromStdString(row.name)}));
    list_->addTopLevelItems(items);
    SelectRow(std::nullopt);
}

QString TDictListDialog::Code() const { return chosen_ ? QString::fromStdString(rows_[*chosen_].code) : QString(); }

QString TDictListDialog::Name() const { return chosen_ ? QString::fromStdString(rows_[*chosen_].name) : QString(); }

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
    bnYes_->setEnabled(chosen_.has_value());
}

void TDictListDialog::Confirm() {
    if (chosen_)
        accept();
}

// Enter is "Да" and Escape "Нет" wherever the focus is: neither the list nor
// the buttons take either key for themselves, so both reach the dialog.
void TDictListDialog::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool TDictListDialog::handleKey(QKeyEvent* event) {
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
