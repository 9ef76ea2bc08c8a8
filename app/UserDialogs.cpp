#include "app/UserDialogs.h"

#include "app/About.h"
#include "app/MainRules.h"
#include "pages/CheckError.h"
#include "platform/qt/HelpViewer.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velmar {
namespace {

// A window that is not on screen yet (the main window while it is built)
// would only hide the message box.
QWidget* visibleOrNull(QWidget* parent) { return parent && parent->isVisible() ? parent : nullptr; }

QMessageBox::StandardButton box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton byDefault) {
    QMessageBox message(icon, QLatin1String(kProgramTitle), text, buttons, visibleOrNull(parent));
    message.setDefaultButton(byDefault);
    if (QAbstractButton* b = message.button(QMessageBox::Yes))
        b->setText(QStringLiteral("Да"));
    if (QAbstractButton* b = message.button(QMessageBox::No))
        b->setText(QStringLiteral("Нет"));
    if (QAbstractButton* b = message.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Отмена"));
    return static_cast<QMessageBox::StandardButton>(message.exec());
}

} // namespace

TUserDialogs::Answer TQtDialogs::AskYesNoCancel(QWidget* parent, const QString& text) {
    switch (box(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool TQtDialogs::AskYesNo(QWidget* parent, const QString& text) {
    return box(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void TQtDialogs::ShowError(QWidget* parent, const QString& text) {
    box(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void TQtDialogs::ShowInfo(QWidget* parent, const QString& text) {
    box(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

QString TQtDialogs::OpenFileName(QWidget* parent) {
    QFileDialog dialog(visibleOrNull(parent), QStringLiteral("Открыть"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(OpenFileFilter().split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QLatin1String(kDefaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString TQtDialogs::SaveFileName(QWidget* parent) {
    QFileDialog dialog(visibleOrNull(parent), QStringLiteral("Сохранить как"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(SaveFileFilter());
    dialog.setDefaultSuffix(QLatin1String(kDefaultSuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString TQtDialogs::FolderName(QWidget* parent) {
    return QFileDialog::getExistingDirectory(visibleOrNull(parent), QLatin1String(kProgramTitle));
}

int TQtDialogs::AskCheck(QWidget* parent, const TCheckRequest& request) {
    return TfmCheckError::Ask(request, visibleOrNull(parent));
}

int TQtDialogs::AskCheckAll(QWidget* parent, const TCheckRequest& request) {
    return TfmCheckAllError::Ask(request, visibleOrNull(parent));
}

void TQtDialogs::ShowAbout(QWidget* parent) {
    TfmAbout about(visibleOrNull(parent));
    about.exec();
}

bool TQtDialogs::OpenHelp(const QString& path) { return OpenHelpFile(path); }

} // namespace velmar
