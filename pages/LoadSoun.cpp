#include "pages/LoadSoun.h"

#include "dicts/DictError.h"
#include "dicts/Soun.h"
#include "pages/DictListDialog.h"
#include "platform/qt/HelpViewer.h"

#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace velmar {

TLoadSounServices DesktopLoadSounServices() {
    TLoadSounServices services;
    services.chooseFile = [](QWidget* parent, const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    };
    services.showMessage = [](QWidget* parent, QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, QStringLiteral("Velmar 2015"), text, QMessageBox::Ok, parent);
        box.exec();
    };
    services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    services.helpFile = [] { return HelpFilePath(); };
    services.openHelp = [](const QString& path) { return OpenHelpFile(path); };
    return services;
}

namespace {

QString link(std::string_view text) {
    return QStringLiteral("<a href=\"#\">%1</a>").arg(dictText(text).toHtmlEscaped());
}

} // namespace

TfmLoadSoun::TfmLoadSoun(QWidget* parent, std::filesystem::path target, QString startFolder,
                         TLoadSounServices services)
    : QDialog(parent), target_(std::move(target)), startFolder_(std::move(startFolder)),
      services_(std::move(services)) {
    setModal(true);
    setWindowTitle(dictText(kLoadSounCaption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const std::string_view text = kLoadSounLabels[i];
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        if (text == kLoadSounHelpLinkLabel || text == kLoadSounDownloadLabel) {
            // Rich text with a link: the cursor turns into a hand over it.
            label->setTextFormat(Qt::RichText);
            label->setText(link(text));
            label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
            if (text == kLoadSounHelpLinkLabel)
                connect(label, &QLabel::linkActivated, this, [this] { HelpLinkClick(); });
            else
                connect(label, &QLabel::linkActivated, this, [this] { DownloadLinkClick(); });
        } else {
            label->setTextFormat(Qt::PlainText);
            label->setText(dictText(text));
        }
        labels_[i] = label;
        layout->addWidget(label);
    }

    edSoun1_ = new QLineEdit(this);
    edSoun1_->setObjectName(QStringLiteral("edSoun1"));
    edSoun1_->setReadOnly(true);
    button4_ = new QPushButton(dictText(kSounBrowseButton), this);
    button4_->setObjectName(QStringLiteral("Button4"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(edSoun1_, 1);
    pathRow->addWidget(button4_);
    layout->addLayout(pathRow);

    button1_ = new QPushButton(dictText(kSounImportButton), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setEnabled(false);
    bitBtn1_ = new QPushButton(QStringLiteral("OK"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button1_);
    buttons->addStretch(1);
    buttons->addWidget(bitBtn1_);
    layout->addLayout(buttons);

    connect(button4_, &QPushButton::clicked, this, &TfmLoadSoun::Button4Click);
    connect(button1_, &QPushButton::clicked, this, &TfmLoadSoun::Button1Click);
    connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmLoadSoun::Button4Click() {
    // The classifier's own file first; any dBASE file for a renamed copy.
    const QString filter = QStringLiteral("soun1.dbf (soun1.dbf SOUN1.DBF);;dBASE (*.dbf *.DBF)");
    const QString path = services_.chooseFile(this, startFolder_, filter);
    if (path.isEmpty())
        return;
    edSoun1_->setText(path);
    button1_->setEnabled(true);
    // "OK" waits until the chosen file has been imported or the import tried.
    bitBtn1_->setEnabled(false);
}

void TfmLoadSoun::Button1Click() {
    bitBtn1_->setEnabled(true);
    const QString path = edSoun1_->text().trimmed();
    if (path.isEmpty()) {
        services_.showMessage(this, QMessageBox::Warning, dictText(kSounPathMissingMessage));
        return;
    }
    bool imported = false;
    try {
        const std::string date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
        importSoun(std::filesystem::path(QFile::encodeName(path).toStdString()), target_, kSounDirectoryVersion,
                   date);
        imported = true;
    } catch (const std::exception&) {
        // Whatever went wrong, the user learns only that nothing was imported;
        // the previous directory is still in place.
    }
    if (imported)
        services_.showMessage(this, QMessageBox::Information, dictText(kSounImportedMessage));
    else
        services_.showMessage(this, QMessageBox::Critical, dictText(kSounImportFailedMessage));
}

void TfmLoadSoun::HelpLinkClick() {
    const QString help = services_.helpFile();
    if (help.isEmpty() || !services_.openHelp(help))
        services_.showMessage(this, QMessageBox::Critical, dictText(kHelpFileMissingMessage));
}

void TfmLoadSoun::DownloadLinkClick() {
    if (!services_.openUrl(QUrl(dictText(kSounDownloadUrl))))
        services_.showMessage(this, QMessageBox::Critical, dictText(kBrowserFailedMessage));
}

} // namespace velmar
