#include "pages/InputInspectionNumber.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace velmar {

TfmInputInspectionNumber::TfmInputInspectionNumber(QWidget* parent, const InspectionDirectory* directory)
    : TDictListDialog(parent, dictText(kInspectionDialogCaption), QStringLiteral("lvInspections"),
                      dictText(kInspectionCodeColumn), dictText(kInspectionNameColumn)),
      directory_(directory) {
    button1_ = new QPushButton(dictText(kInspectionMissingButton), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setAutoDefault(false);
    button1_->setEnabled(false);
    ButtonRow()->insertWidget(0, button1_);
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

} // namespace velmar
