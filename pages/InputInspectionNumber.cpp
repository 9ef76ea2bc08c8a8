#include "pages/InputInspectionNumber.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmar {

TfmInputInspectionNumber::TfmInputInspectionNumber(QWidget* parent, const InspectionDirectory* directory)
    : TDictListDialog(parent, dictText(kInspectionDialogCaption), QStringLiteral("lvInspections"),
                      dictText(kInspectionCodeColumn), dictText(kInspectionNameColumn)),
      directory_(directory) {
    button1_ = new QPushButton(dictText(kInspectionMissingButton), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setAutoDefault(false);
    button1_->setEnabled(false);
    auto* row = new QHBoxLayout;
    row->addWidget(button1_);
    row->addStretch(1);
    Body()->addLayout(row);
    connect(button1_, &QPushButton::clicked, this, [this] {
        if (missingAction_)
            missingAction_();
    });
    SetRows(directory_ ? directory_->inspections : std::vector<CodeName>{});
}

void TfmInputInspectionNumber::Preselect(std::string_view code) {
    SelectRow(directory_ ? preselectInspection(*directory_, code) : std::nullopt);
}

void TfmInputInspectionNumber::SetMissingInspectionAction(std::function<void()> action) {
    missingAction_ = std::move(action);
    button1_->setEnabled(static_cast<bool>(missingAction_));
}

TInspectionNumberDirectory::TInspectionNumberDirectory(InspectionDirectory directory,
                                                       std::filesystem::path importTarget, QString importStartFolder,
                                                       TLoadSounServices services)
    : directory_(std::move(directory)), importTarget_(std::move(importTarget)),
      importStartFolder_(std::move(importStartFolder)), services_(std::move(services)) {}

TInspectionNumberDirectory::~TInspectionNumberDirectory() { delete dialog_.data(); }

TfmInputInspectionNumber* TInspectionNumberDirectory::dialog(QWidget* parent) {
    if (!dialog_) {
        dialog_ = new TfmInputInspectionNumber(parent ? parent->window() : nullptr, &directory_);
        TfmInputInspectionNumber* list = dialog_.data();
        dialog_->SetMissingInspectionAction([this, list] {
            TfmLoadSoun import(list, importTarget_, importStartFolder_, services_);
            import.exec();
        });
    }
    return dialog_.data();
}

std::optional<QString> TInspectionNumberDirectory::Choose(QWidget* parent, const QString& current) {
    TfmInputInspectionNumber* list = dialog(parent);
    list->Preselect(current.toStdString());
    if (list->exec() != QDialog::Accepted || !list->ChosenRow())
        return std::nullopt;
    return list->Code();
}

} // namespace velmar
