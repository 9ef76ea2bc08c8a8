#include "app/Main.h"

#include "app/Dictionaries.h"
#include "app/DocumentServices.h"
#include "app/Icons.h"
#include "app/MainRules.h"
#include "model/DeclClasses.h"
#include "pages/ContainerFrame.h"
#include "pages/Formats.h"
#include "pages/PageRegistry.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/ProgramFolder.h"
#include "platform/qt/Settings.h"
#include "platform/UserFolders.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmar {
namespace {

const char* pageButtonName(TPageId page) {
    switch (page) {
    case TPageId::InitialData: return "fbInitialData";
    case TPageId::PersonData: return "fbPrsonInfo";
    case TPageId::RussianIncome: return "fbRussianIncome";
    case TPageId::ForeignIncome: return "fbForeignIncome";
    case TPageId::BusinessIncome: return "fbBusinessIncome";
    case TPageId::Deduction: return "fbDeduction";
    case TPageId::InvestTov: return "fbInvestTov";
    }
    return "";
}

std::string localPath(const QString& fileName) { return QFile::encodeName(fileName).toStdString(); }

const char* kPageButtonStyle = R"(
#pnlPageButtons QPushButton {
    text-align: left; padding: 9px 12px; min-height: 20px;
    border: 1px solid #c3cedb; border-radius: 4px; background: #f8fafc; color: #1d2b3a;
}
#pnlPageButtons QPushButton:hover { background: #e9f1fb; border-color: #8db0d8; }
#pnlPageButtons QPushButton:checked {
    background: #2f6db5; border-color: #245a97; color: #ffffff; font-weight: bold;
}
#pnlPageButtons QPushButton:disabled { background: #f1f3f6; border-color: #dde2e8; color: #9ba6b2; }
#PnlFormContainer { background: palette(window); border: 1px solid #c3cedb; border-radius: 4px; }
)";

} // namespace

std::unique_ptr<mTDeclaration> NewDeclaration() {
    auto declaration = std::make_unique<mTDeclaration>();
    declaration->InspectionCode.clear();
    declaration->SigningDate = today();
    declaration->ConfirmationKind = 0;
    declaration->SetIncomeKinds(kIncomeRF);
    declaration->AutoCountSheets = 1;
    return declaration;
}

TFormMain::TFormMain(Options options)
    : dialogs_(options.dialogs ? options.dialogs : &qtDialogs_),
      dataFolders_(options.dataFolders.isEmpty() ? DataFolders() : options.dataFolders) {
    setObjectName(QStringLiteral("FormMain"));
    for (QString& folder : dataFolders_)
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
    setWindowIcon(QIcon(QStringLiteral(":/velmar/velmar.png")));
    SetDeclChangeSink(this);

    // Captions, menus, the tool bar and the page buttons.
    buildMenus();
    buildToolBar();
    buildPageArea();
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(1000, 700);

    const TDisplaySettings settings = ReadDisplaySettings();
    miStdToolbar_->setChecked(settings.ShowStdToolbar);
    miTextLabels_->setChecked(settings.TextLabels);
    applyTextLabels(settings.TextLabels);
    applyShowStdToolbar(settings.ShowStdToolbar);

    SetFormatSettings(TFormatSettings{});

    declaration_ = std::make_unique<mTDeclaration>();
    const QString file = CommandLineFile(options.arguments);
    if (!file.isEmpty()) {
        documentFileName_ = file;
        if (!loadDocument(file)) {
            documentFileName_.clear();
            declaration_ = NewDeclaration();
        }
    } else {
        declaration_ = NewDeclaration();
    }
    setTitle();

    DictionaryFolders folders;
    folders.userFolder = options.userFolder.isEmpty() ? userDataFolder()
                                                      : std::filesystem::path(localPath(options.userFolder));
    for (const QString& folder : dataFolders_)
        folders.programFolders.emplace_back(localPath(folder));
    TLoadedDictionaries dictionaries = LoadDictionaries(folders);
    for (const QString& problem : dictionaries.problems)
        dialogs_->ShowError(this, problem);
    inspections_ = std::move(dictionaries.inspections);
    countries_ = std::move(dictionaries.countries);

    checker_ = MakeDeclarationChecker();
    exporter_ = MakeDeclarationExporter([this](const QString& message) { dialogs_->ShowError(this, message); });

    showInitialPage();
    saved_ = true;
    setPageButtonStates();
}

TFormMain::~TFormMain() {
    if (DeclChangeSink() == this)
        SetDeclChangeSink(nullptr);
    pages_->DestroyPage();
    WriteWindowPlacement(isMaximized(), geometry());
}

void TFormMain::buildMenus() {
    auto action = [this](const char* name, const QString& caption, void (TFormMain::*handler)()) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    QAction* createDoc = action("CreateDoc", QStringLiteral("Создать"), &TFormMain::CreateDocExecute);
    QAction* openDoc = action("OpenDoc", QStringLiteral("Открыть"), &TFormMain::OpenDocExecute);
    QAction* saveDoc = action("SaveDoc", QStringLiteral("Сохранить"), &TFormMain::SaveDocExecute);
    QAction* saveAsDoc = action("SaveAsDoc", QStringLiteral("Сохранить как..."), &TFormMain::SaveAsDocExecute);
    QAction* quit = action("Quit", QStringLiteral("Выход"), &TFormMain::QuitExecute);
    QAction* previewDoc = action("PreviewDoc", QStringLiteral("Просмотр"), &TFormMain::PreviewDocExecute);
    QAction* printDoc = action("PrintDoc", QStringLiteral("Печать"), &TFormMain::PrintDocExecute);
    QAction* exportDoc = action("ExportDoc", QStringLiteral("Экспорт в xml"), &TFormMain::ExportDocExecute);
    QAction* checkDoc = action("CheckDoc", QStringLiteral("Проверить"), &TFormMain::CheckDocExecute);
    QAction* help = action("Help", QStringLiteral("Справка"), &TFormMain::HelpExecute);
    QAction* about = action("About", QStringLiteral("О программе"), &TFormMain::AboutExecute);

    createDoc->setShortcut(QKeySequence::New);
    openDoc->setShortcut(QKeySequence::Open);
    saveDoc->setShortcut(QKeySequence::Save);
    printDoc->setShortcut(QKeySequence::Print);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    createDoc->setIcon(ToolIcon(TToolIcon::Create));
    openDoc->setIcon(ToolIcon(TToolIcon::Open));
    saveDoc->setIcon(ToolIcon(TToolIcon::Save));
    previewDoc->setIcon(ToolIcon(TToolIcon::Preview));
    printDoc->setIcon(ToolIcon(TToolIcon::Print));
    exportDoc->setIcon(ToolIcon(TToolIcon::Export));
    checkDoc->setIcon(ToolIcon(TToolIcon::Check));

    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->addActions({createDoc, openDoc, saveDoc, saveAsDoc});
    file->addSeparator();
    file->addAction(quit);
    QMenu* declaration = menuBar()->addMenu(QStringLiteral("Декларация"));
    declaration->addActions({previewDoc, printDoc, exportDoc, checkDoc});
    QMenu* settings = menuBar()->addMenu(QStringLiteral("Настройки"));
    miStdToolbar_ = settings->addAction(QStringLiteral("Стандартная панель"));
    miStdToolbar_->setObjectName(QStringLiteral("miStdToolbar"));
    miStdToolbar_->setCheckable(true);
    miTextLabels_ = settings->addAction(QStringLiteral("Подписи под кнопками"));
    miTextLabels_->setObjectName(QStringLiteral("miTextLabels"));
    miTextLabels_->setCheckable(true);
    connect(miStdToolbar_, &QAction::triggered, this, [this](bool on) {
        applyShowStdToolbar(on);
        WriteShowStdToolbar(on);
    });
    connect(miTextLabels_, &QAction::triggered, this, [this](bool on) {
        applyTextLabels(on);
        WriteTextLabels(on);
    });
    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("Справка"));
    helpMenu->addAction(help);
    helpMenu->addSeparator();
    helpMenu->addAction(about);
}

void TFormMain::buildToolBar() {
    coolBarButtons_ = new QToolBar(QStringLiteral("Стандартная панель"), this);
    coolBarButtons_->setObjectName(QStringLiteral("CoolBarButtons"));
    coolBarButtons_->setMovable(false);
    coolBarButtons_->setFloatable(false);
    coolBarButtons_->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, coolBarButtons_);
    const struct {
        const char* name;
        const char* action;
        QString caption;
        TToolIcon icon;
        bool separatorAfter;
    } buttons[] = {
        {"fbCreate", "CreateDoc", QStringLiteral("Создать"), TToolIcon::Create, false},
        {"fbOpen", "OpenDoc", QStringLiteral("Открыть"), TToolIcon::Open, false},
        {"fbSave", "SaveDoc", QStringLiteral("Сохранить"), TToolIcon::Save, true},
        {"fbView", "PreviewDoc", QStringLiteral("Просмотр"), TToolIcon::Preview, false},
        {"fbPrint", "PrintDoc", QStringLiteral("Печать"), TToolIcon::Print, false},
        {"fbExsport", "ExportDoc", QStringLiteral("Файл xml"), TToolIcon::Export, true},
        {"fbCheck", "CheckDoc", QStringLiteral("Проверить"), TToolIcon::Check, false},
    };
    for (const auto& b : buttons) {
        QAction* command = findChild<QAction*>(QLatin1String(b.action));
        auto* button = new QToolButton(coolBarButtons_);
        button->setObjectName(QLatin1String(b.name));
        button->setText(b.caption);
        button->setToolTip(command->text());
        button->setIcon(ToolIcon(b.icon));
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        coolBarButtons_->addWidget(button);
        toolButtons_.push_back(button);
        if (b.separatorAfter)
            coolBarButtons_->addSeparator();
    }
}

void TFormMain::buildPageArea() {
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("sbMain"));
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollContent_ = new QWidget;
    scrollContent_->setObjectName(QStringLiteral("pnlMain"));
    scrollContent_->setStyleSheet(QLatin1String(kPageButtonStyle));
    // The design size is a minimum of the layout (not of the widget), so that a
    // page that needs more room still gets it.
    designSize_ = new QGridLayout(scrollContent_);
    designSize_->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(8);
    designSize_->addLayout(row, 0, 0);

    auto* buttonPanel = new QWidget(scrollContent_);
    buttonPanel->setObjectName(QStringLiteral("pnlPageButtons"));
    auto* column = new QVBoxLayout(buttonPanel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    std::map<TPageId, QPushButton*> buttons;
    for (TPageId page : kAllPages) {
        auto* button = new QPushButton(PageCaption(page), buttonPanel);
        button->setObjectName(QLatin1String(pageButtonName(page)));
        button->setFocusPolicy(Qt::TabFocus);
        column->addWidget(button);
        buttons[page] = button;
    }
    column->addStretch(1);
    buttonPanel->setFixedWidth(buttonPanel->sizeHint().width() + 24);
    row->addWidget(buttonPanel);

    auto* container = new QFrame(scrollContent_);
    container->setObjectName(QStringLiteral("PnlFormContainer"));
    pnlFormContainer_ = container;
    row->addWidget(pnlFormContainer_, 1);
    scrollArea_->setWidget(scrollContent_);
    setCentralWidget(scrollArea_);

    pages_ = new TPageHost(pnlFormContainer_, *this, this);
    for (TPageId page : kAllPages)
        pages_->AddPage(
            static_cast<int>(page), buttons[page],
            [this, page](QWidget* parent) { return CreatePage(page, parent, declaration_, *this); },
            IsListPage(page));
}

void TFormMain::applyShowStdToolbar(bool show) {
    coolBarButtons_->setVisible(show);
    if (show)
        coolBarButtons_->setMinimumHeight(miTextLabels_->isChecked() ? 50 : 38);
    updateScrollRange();
}

void TFormMain::applyTextLabels(bool labels) {
    for (QToolButton* button : toolButtons_) {
        button->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        button->setFixedSize(labels ? QSize(80, 47) : QSize(35, 35));
    }
    coolBarButtons_->setMinimumHeight(labels ? 50 : 38);
    updateScrollRange();
}

// The page area scrolls once the window's client area is smaller than its
// design size.
void TFormMain::updateScrollRange() {
    int above = menuBar()->sizeHint().height();
    if (!coolBarButtons_->isHidden())
        above += coolBarButtons_->sizeHint().height();
    designSize_->setColumnMinimumWidth(0, kScrollWidth);
    designSize_->setRowMinimumHeight(0, qMax(0, kScrollHeight - above));
}

void TFormMain::SetInspectionDirectory(std::unique_ptr<TCodeDirectory> directory) {
    inspections_ = std::move(directory);
}

void TFormMain::EnablePageButton(TPageId page, bool enabled) {
    if (QAbstractButton* button = PageButton(page))
        button->setEnabled(enabled);
}

bool TFormMain::PageButtonEnabled(TPageId page) const {
    QAbstractButton* button = PageButton(page);
    return button && button->isEnabled();
}

int TFormMain::AskCheck(const TCheckRequest& request) { return dialogs_->AskCheck(this, request); }

bool TFormMain::Confirm(const QString& question) { return dialogs_->AskYesNo(this, question); }

void TFormMain::DeclChanged() {
    if (!pageLoading_)
        saved_ = false;
}

void TFormMain::setTitle() { setWindowTitle(WindowTitle(documentFileName_)); }

void TFormMain::setPageButtonStates() {
    const TPageButtonStates s = PageButtonStates(declaration_->IncomeKinds, declaration_->ReturnKind);
    EnablePageButton(TPageId::InitialData, true);
    EnablePageButton(TPageId::PersonData, true);
    EnablePageButton(TPageId::RussianIncome, s.russianIncome);
    EnablePageButton(TPageId::ForeignIncome, s.foreignIncome);
    EnablePageButton(TPageId::BusinessIncome, s.businessIncome);
    EnablePageButton(TPageId::InvestTov, s.investTov);
    EnablePageButton(TPageId::Deduction, s.deduction);
}

void TFormMain::showInitialPage() { pages_->ShowPage(static_cast<int>(TPageId::InitialData)); }

bool TFormMain::loadDocument(const QString& fileName) {
    QString message;
    try {
        declaration_->LoadFromFile(localPath(fileName));
        return true;
    } catch (const EConvertError&) {
        message = QString::fromUtf8(stgmsg::kBadFormat);
    } catch (const mEPrivBase& e) {
        message = QString::fromStdString(e.what());
    } catch (const std::bad_alloc&) {
        message = QString::fromUtf8(stgmsg::kNoMemory);
    } catch (const std::exception&) {
        message = QString::fromUtf8(stgmsg::kBadFormat);
    }
    dialogs_->ShowError(this, message);
    return false;
}

bool TFormMain::AskToSave() {
    if (saved_)
        return true;
    switch (dialogs_->AskYesNoCancel(this, QStringLiteral("Вы хотите сохранить декларацию?"))) {
    case TUserDialogs::Answer::Cancel: return false;
    case TUserDialogs::Answer::No: return true;
    case TUserDialogs::Answer::Yes: break;
    }
    QString name = documentFileName_;
    if (name.isEmpty())
        name = dialogs_->SaveFileName(this);
    // "Yes" then a cancelled save dialog would lose the return: it counts as Cancel.
    if (name.isEmpty())
        return false;
    return SaveUnderName(name);
}

bool TFormMain::SaveUnderName(const QString& name) {
    const QString target = FiveRuleName(name);
    if (target != name && QFileInfo::exists(target) &&
        !dialogs_->AskYesNo(this, QStringLiteral("Файл %1 уже существует. Заменить его?").arg(target)))
        return false;
    if (TThinkingFrame* page = CurrentPage())
        page->SaveData();
    try {
        declaration_->SaveToFile(localPath(target));
    } catch (const std::exception& e) {
        dialogs_->ShowError(this, QString::fromStdString(e.what()));
        return false;
    }
    documentFileName_ = target;
    setTitle();
    return true;
}

void TFormMain::CreateDocExecute() {
    if (!AskToSave())
        return;
    declaration_ = NewDeclaration();
    showInitialPage();
    saved_ = true;
    documentFileName_.clear();
    setTitle();
    const TPageButtonStates s = PageButtonStates(declaration_->IncomeKinds, declaration_->ReturnKind);
    EnablePageButton(TPageId::RussianIncome, s.russianIncome);
    EnablePageButton(TPageId::ForeignIncome, s.foreignIncome);
    EnablePageButton(TPageId::InvestTov, s.investTov);
    EnablePageButton(TPageId::BusinessIncome, s.businessIncome);
}

void TFormMain::OpenDocExecute() {
    if (!AskToSave())
        return;
    declaration_ = std::make_unique<mTDeclaration>();
    const QString file = dialogs_->OpenFileName(this);
    if (!file.isEmpty() && loadDocument(file)) {
        documentFileName_ = file;
    } else {
        // A cancelled or failed open leaves a new, untitled return.
        declaration_ = NewDeclaration();
        documentFileName_.clear();
    }
    setTitle();
    checker_ = MakeDeclarationChecker();
    exporter_ = MakeDeclarationExporter([this](const QString& message) { dialogs_->ShowError(this, message); });

    showInitialPage();
    saved_ = true;
    setPageButtonStates();
}

void TFormMain::SaveDocExecute() {
    const QString name = documentFileName_.isEmpty() ? dialogs_->SaveFileName(this) : documentFileName_;
    if (name.isEmpty())
        return;
    if (SaveUnderName(name))
        saved_ = true;
}

void TFormMain::SaveAsDocExecute() {
    const QString name = dialogs_->SaveFileName(this);
    if (name.isEmpty())
        return;
    if (TThinkingFrame* page = CurrentPage())
        page->SaveData();
    try {
        declaration_->SaveToFile(localPath(name));
    } catch (const std::exception& e) {
        dialogs_->ShowError(this, QString::fromStdString(e.what()));
        return;
    }
    documentFileName_ = name;
    setTitle();
    saved_ = true;
}

void TFormMain::QuitExecute() { close(); }

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!AskToSave()) {
        event->ignore();
        return;
    }
    event->accept();
}

uint16_t TFormMain::CheckDeclaration() {
    if (TThinkingFrame* page = CurrentPage())
        page->SaveData();
    if (!checker_) {
        dialogs_->ShowInfo(this, QStringLiteral("Проверка декларации пока не реализована в этой версии программы. "
                                                "Просмотр, печать и экспорт в xml выполняются только после "
                                                "проверки и поэтому тоже недоступны."));
        return 2;
    }
    const uint32_t result = checker_->Check(
        *declaration_, [this](const TCheckRequest& request) { return dialogs_->AskCheckAll(this, request); });
    const uint16_t pageNumber = result & 0xFFFF;
    const uint16_t code = result >> 16;
    if (code == 0)
        return 0;
    if (code == 0xFFFF)
        return 2;
    showCheckResult(pageNumber, code);
    return 1;
}

void TFormMain::showCheckResult(uint16_t pageNumber, uint16_t code) {
    const std::optional<TCheckTarget> target = CheckTarget(pageNumber);
    if (!target)
        return;
    const int id = static_cast<int>(target->page);
    // The page concerned replaces the current one without asking it; the
    // current page has stored its data already.
    TThinkingFrame* page = pages_->CurrentId() == id ? pages_->CurrentPage() : pages_->ShowPage(id);
    if (!page)
        return;
    if (QAbstractButton* button = PageButton(target->page))
        button->setChecked(true);
    if (target->innerIndex >= 0) {
        if (auto* container = qobject_cast<TContainerFrame*>(page))
            container->ShowInnerPage(target->innerIndex, code);
    } else {
        page->FocusError(code);
    }
}

void TFormMain::CheckDocExecute() {
    if (CheckDeclaration() == 0)
        dialogs_->ShowInfo(this, QStringLiteral("Проверка декларации завершена успешно"));
}

void TFormMain::PreviewDocExecute() {
    if (CheckDeclaration() != 0)
        return;
    setEnabled(false);
    if (printer_)
        printer_->Preview(*declaration_);
    else
        dialogs_->ShowInfo(this, QStringLiteral("Просмотр бланка декларации пока не реализован в этой версии программы."));
    setEnabled(true);
}

void TFormMain::PrintDocExecute() {
    if (CheckDeclaration() != 0)
        return;
    setEnabled(false);
    if (printer_)
        printer_->Print(*declaration_);
    else
        dialogs_->ShowInfo(this, QStringLiteral("Печать бланка декларации пока не реализована в этой версии программы."));
    setEnabled(true);
}

void TFormMain::ExportDocExecute() {
    if (CheckDeclaration() != 0)
        return;
    setEnabled(false);
    // The window comes back on every path, also when the export throws.
    struct Reenable {
        QWidget* window;
        ~Reenable() { window->setEnabled(true); }
    } reenable{this};
    QString folder = dialogs_->FolderName(this);
    if (folder.isEmpty())
        return;
    folder = FolderWithSeparator(folder);
    if (!exporter_) {
        dialogs_->ShowInfo(this, QStringLiteral("Формирование файла xml пока не реализовано в этой версии программы."));
        return;
    }
    QString result;
    try {
        result = exporter_->Export(folder, *declaration_, 1);
    } catch (const std::exception& e) {
        dialogs_->ShowError(this, QString::fromStdString(e.what()));
        result = QStringLiteral("ERROR");
    }
    dialogs_->ShowInfo(this, ExportMessage(folder, result, QFileInfo(folder + result).isFile()));
}

void TFormMain::HelpExecute() {
    QString path;
    for (const QString& folder : dataFolders_) {
        QFileInfo info(folder + QLatin1String(kHelpFileName));
        if (info.isFile()) {
            path = info.absoluteFilePath();
            break;
        }
    }
    if (path.isEmpty()) {
        dialogs_->ShowError(this, QStringLiteral("Не найден файл справки Velm2015.chm"));
        return;
    }
    if (!dialogs_->OpenHelp(path))
        dialogs_->ShowError(this, QStringLiteral("Не удалось открыть файл справки Velm2015.chm: "
                                                 "нет программы для просмотра файлов этого типа."));
}

void TFormMain::AboutExecute() { dialogs_->ShowAbout(this); }

} // namespace velmar
