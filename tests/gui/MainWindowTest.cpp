// The main window's document commands, start-up, settings and the way it
// reaches the check, export and printing.
#include "GuiTestSupport.h"
#include "app/Main.h"
#include "app/MainRules.h"
#include "app/Resources.h"
#include "model/DeclClasses.h"
#include "pages/MaskedEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QTreeWidget>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace velmar;

namespace {

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A return file with a recognisable tax office and the given kinds.
QString writeReturn(const QString& path, uint8_t incomeKinds = kIncomeRF, uint8_t returnKind = kReturnResident) {
    mTDeclaration d;
    d.InspectionCode = "7799";
    d.ReturnKind = returnKind;
    d.SetIncomeKinds(incomeKinds);
    d.SaveToFile(local(path));
    return path;
}

class FakeChecker : public TDeclarationChecker {
public:
    explicit FakeChecker(uint32_t result) : result_(result) {}
    uint32_t Check(const mTDeclaration& d, const TCheckAsk&) override {
        seenCorrection = d.CorrectionNumber;
        ++runs;
        return result_;
    }
    int runs = 0;
    int seenCorrection = -1;

private:
    uint32_t result_;
};

class FakeExporter : public TDeclarationExporter {
public:
    FakeExporter(QString result, bool create) : result_(std::move(result)), create_(create) {}
    QString Export(const QString& folder, const mTDeclaration&, int mode) override {
        folders << folder;
        modes << mode;
        if (create_)
            writeBytes(folder + result_, "<Файл/>");
        return result_;
    }
    QStringList folders;
    QList<int> modes;

private:
    QString result_;
    bool create_;
};

class ThrowingExporter : public TDeclarationExporter {
public:
    QString Export(const QString&, const mTDeclaration&, int) override { throw std::runtime_error("сбой выгрузки"); }
};

uint32_t checkResult(uint16_t page, uint16_t code) { return (uint32_t(code) << 16) | page; }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir files_;
    QTemporaryDir data_; // the program's data folder: no dictionaries, no help file
    QTemporaryDir user_; // the user's data folder: no imported directory
    test::ScriptedDialogs dialogs_;

    std::unique_ptr<TFormMain> window(QStringList arguments = {}) {
        TFormMain::Options options;
        options.arguments = std::move(arguments);
        options.dialogs = &dialogs_;
        options.dataFolders = {data_.path() + QLatin1Char('/')};
        options.userFolder = user_.path();
        return std::make_unique<TFormMain>(options);
    }
    QString file(const QString& name) const { return files_.filePath(name); }
    TMaskedEdit* edit(TFormMain& w, const char* name) { return w.findChild<TMaskedEdit*>(QLatin1String(name)); }

private slots:
    void initTestCase();
    void init() { dialogs_ = test::ScriptedDialogs(); }
    void startsWithAnUntitledReturn();
    void commandLine_data();
    void commandLine();
    void saveWritesThisYearsName();
    void fiveRuleAsksBeforeOverwriting();
    void saveAsTakesTheNameAsChosen();
    void buildingAPageIsNoChangeEditingIs();
    void newAsksToSave();
    void yesThenCancelledSaveDialogKeepsTheReturn();
    void failedSaveStopsTheCommand();
    void closingAsks();
    void cancelledOpenLeavesAnEmptyUntitledReturn();
    void damagedFileIsReportedAndForgotten();
    void openSetsPageButtonsByTheReturn();
    void pageButtonsRunTheSwitchingProtocol();
    void settingsRoundTrip();
    void checkWithoutACheckerSaysSo();
    void checkResultOpensThePage();
    void exportReportsItsResult();
    void helpFileOrMessage();
    void damagedInspectionDirectoryIsReportedAndSkipped();
    void inspectionDirectoryIsLoadedAtStartUp();
    void theCheckStopsAtTheFirstProblem();
    void aCompleteReturnIsExported();
};

void MainWindowTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Ortivex"), QStringLiteral("Velmar 2015")).clear();
    InitVelmarResources();
    QVERIFY(files_.isValid() && data_.isValid());
}

void MainWindowTest::startsWithAnUntitledReturn() {
    auto w = window();
    QCOMPARE(w->windowTitle(), QStringLiteral("Без имени - Velmar 2015"));
    QVERIFY(w->Saved());
    QCOMPARE(w->CurrentPageId(), TPageId::InitialData);
    QVERIFY(w->PageButton(TPageId::InitialData)->isChecked());
    QCOMPARE(w->Declaration().IncomeKinds, kIncomeRF);
    QVERIFY(w->PageButton(TPageId::RussianIncome)->isEnabled());
    QVERIFY(w->PageButton(TPageId::Deduction)->isEnabled());
    QVERIFY(!w->PageButton(TPageId::ForeignIncome)->isEnabled());
    QVERIFY(!w->PageButton(TPageId::BusinessIncome)->isEnabled());
    QVERIFY(!w->PageButton(TPageId::InvestTov)->isEnabled());
    QVERIFY(!w->InspectionDirectoryLoaded());
    QCOMPARE(w->minimumSize(), QSize(750, 550));
    w->resize(500, 300);
    QVERIFY(w->width() >= 750 && w->height() >= 550);
    QVERIFY(dialogs_.errors.isEmpty());

    const std::pair<const char*, const char*> captions[] = {
        {"CreateDoc", "Создать"},         {"OpenDoc", "Открыть"},       {"SaveDoc", "Сохранить"},
        {"SaveAsDoc", "Сохранить как..."}, {"Quit", "Выход"},            {"PreviewDoc", "Просмотр"},
        {"PrintDoc", "Печать"},           {"ExportDoc", "Экспорт в xml"}, {"CheckDoc", "Проверить"},
        {"Help", "Справка"},              {"About", "О программе"},      {"miStdToolbar", "Стандартная панель"},
        {"miTextLabels", "Подписи под кнопками"}};
    for (auto [name, caption] : captions) {
        QAction* action = w->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action, name);
        QCOMPARE(action->text(), QString::fromUtf8(caption));
    }
    const std::pair<const char*, const char*> tools[] = {{"fbCreate", "Создать"}, {"fbOpen", "Открыть"},
                                                         {"fbSave", "Сохранить"}, {"fbView", "Просмотр"},
                                                         {"fbPrint", "Печать"},   {"fbExsport", "Файл xml"},
                                                         {"fbCheck", "Проверить"}};
    for (auto [name, caption] : tools) {
        QToolButton* button = w->findChild<QToolButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), QString::fromUtf8(caption));
    }
}

void MainWindowTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("errors");
    QTest::newRow("file") << QStringList{"FILE"} << true << 0;
    QTest::newRow("-P file") << QStringList{"-P", "FILE"} << true << 0;
    QTest::newRow("file -p") << QStringList{"FILE", "-p"} << true << 0;
    QTest::newRow("lone -p") << QStringList{"-p"} << false << 0;
    QTest::newRow("three arguments") << QStringList{"-p", "FILE", "FILE"} << false << 0;
    QTest::newRow("missing file") << QStringList{"-p", "MISSING"} << false << 1;
}

void MainWindowTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, opens);
    QFETCH(int, errors);
    const QString path = writeReturn(file(QStringLiteral("a.vx5")));
    arguments.replaceInStrings(QStringLiteral("MISSING"), file(QStringLiteral("missing.vx5")));
    arguments.replaceInStrings(QStringLiteral("FILE"), path);
    auto w = window(arguments);
    QCOMPARE(dialogs_.errors.size(), errors);
    QVERIFY(w->Saved());
    if (opens) {
        QCOMPARE(w->DocumentFileName(), path);
        QCOMPARE(w->windowTitle(), QStringLiteral("a.vx5 - Velmar 2015"));
        QCOMPARE(w->Declaration().InspectionCode, std::string("7799"));
    } else {
        QCOMPARE(w->DocumentFileName(), QString());
        QCOMPARE(w->windowTitle(), QStringLiteral("Без имени - Velmar 2015"));
        QCOMPARE(w->Declaration().InspectionCode, std::string());
        QCOMPARE(w->Declaration().IncomeKinds, kIncomeRF);
    }
}

void MainWindowTest::saveWritesThisYearsName() {
    const QString older = writeReturn(file(QStringLiteral("r.vx4")));
    auto w = window({older});
    QCOMPARE(w->windowTitle(), QStringLiteral("r.vx4 - Velmar 2015"));
    edit(*w, "meNumVer")->setText(QStringLiteral("2"));
    QVERIFY(!w->Saved());
    w->SaveDocExecute();
    QVERIFY(w->Saved());
    QCOMPARE(w->DocumentFileName(), file(QStringLiteral("r.vx5")));
    QCOMPARE(w->windowTitle(), QStringLiteral("r.vx5 - Velmar 2015"));
    mTDeclaration saved;
    saved.LoadFromFile(local(file(QStringLiteral("r.vx5"))));
    QCOMPARE(saved.CorrectionNumber, 2);
    QVERIFY(dialogs_.questions.isEmpty());
}

void MainWindowTest::fiveRuleAsksBeforeOverwriting() {
    const QString older = writeReturn(file(QStringLiteral("s.vx4")));
    const QString other = file(QStringLiteral("s.vx5"));
    writeBytes(other, "another return");
    auto w = window({older});
    dialogs_.yesNo = {false};
    w->SaveDocExecute();
    QCOMPARE(dialogs_.questions.size(), 1);
    QVERIFY(dialogs_.questions[0].contains(QStringLiteral("уже существует")));
    QCOMPARE(bytesOf(other), QByteArray("another return"));
    QCOMPARE(w->DocumentFileName(), older);
    QCOMPARE(w->windowTitle(), QStringLiteral("s.vx4 - Velmar 2015"));

    dialogs_.yesNo = {true};
    w->SaveDocExecute();
    QVERIFY(bytesOf(other).startsWith("DLSG"));
    QCOMPARE(w->DocumentFileName(), other);
}

void MainWindowTest::saveAsTakesTheNameAsChosen() {
    auto w = window();
    dialogs_.saveNames = {file(QStringLiteral("r.txt"))};
    w->SaveAsDocExecute();
    QVERIFY(QFile::exists(file(QStringLiteral("r.txt"))));
    QVERIFY(!QFile::exists(file(QStringLiteral("r.tx5"))));
    QCOMPARE(w->windowTitle(), QStringLiteral("r.txt - Velmar 2015"));
    QVERIFY(w->Saved());
}

void MainWindowTest::buildingAPageIsNoChangeEditingIs() {
    auto w = window({writeReturn(file(QStringLiteral("b.vx5")), kIncomeRF | kIncomeBusiness | kIncomeCurrency)});
    QVERIFY(w->Saved());
    w->PageButton(TPageId::InitialData)->click();
    QVERIFY(w->Saved());
    edit(*w, "meNumVer")->setText(QStringLiteral("1"));
    QVERIFY(!w->Saved());
    dialogs_.yesNoCancel = {TUserDialogs::Answer::No};
    w->CreateDocExecute();
    QCOMPARE(dialogs_.questions, QStringList{QStringLiteral("Вы хотите сохранить декларацию?")});
}

void MainWindowTest::newAsksToSave() {
    auto w = window();
    edit(*w, "meNumVer")->setText(QStringLiteral("1"));
    mTDeclaration* before = &w->Declaration();
    TThinkingFrame* page = w->CurrentPage();

    dialogs_.yesNoCancel = {TUserDialogs::Answer::Cancel};
    w->CreateDocExecute();
    QCOMPARE(&w->Declaration(), before);
    QCOMPARE(w->CurrentPage(), page);
    QVERIFY(!w->Saved());

    dialogs_.yesNoCancel = {TUserDialogs::Answer::Yes};
    dialogs_.saveNames = {file(QStringLiteral("new.vx5"))};
    w->CreateDocExecute();
    QVERIFY(QFile::exists(file(QStringLiteral("new.vx5"))));
    QVERIFY(&w->Declaration() != before);
    QVERIFY(w->Saved());
    QCOMPARE(w->DocumentFileName(), QString());
    QCOMPARE(edit(*w, "meNumVer")->text(), QStringLiteral("0"));
    mTDeclaration saved;
    saved.LoadFromFile(local(file(QStringLiteral("new.vx5"))));
    QCOMPARE(saved.CorrectionNumber, 1);
}

void MainWindowTest::yesThenCancelledSaveDialogKeepsTheReturn() {
    auto w = window();
    edit(*w, "meNumVer")->setText(QStringLiteral("1"));
    mTDeclaration* before = &w->Declaration();
    dialogs_.yesNoCancel = {TUserDialogs::Answer::Yes};
    w->CreateDocExecute();
    QCOMPARE(dialogs_.saveDialogs, 1);
    QCOMPARE(&w->Declaration(), before);
    QVERIFY(!w->Saved());
    QCOMPARE(edit(*w, "meNumVer")->text(), QStringLiteral("1"));

    dialogs_.yesNoCancel = {TUserDialogs::Answer::Yes};
    w->show();
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
}

void MainWindowTest::failedSaveStopsTheCommand() {
    auto w = window();
    edit(*w, "meNumVer")->setText(QStringLiteral("1"));
    mTDeclaration* before = &w->Declaration();
    dialogs_.yesNoCancel = {TUserDialogs::Answer::Yes};
    dialogs_.saveNames = {file(QStringLiteral("no/such/folder/x.vx5"))};
    w->OpenDocExecute();
    QCOMPARE(dialogs_.errors.size(), 1);
    QCOMPARE(dialogs_.openDialogs, 0);
    QCOMPARE(&w->Declaration(), before);
    QCOMPARE(w->DocumentFileName(), QString());
    QCOMPARE(w->windowTitle(), QStringLiteral("Без имени - Velmar 2015"));
}

void MainWindowTest::closingAsks() {
    auto w = window();
    w->show();
    QVERIFY(w->close());
    QVERIFY(dialogs_.questions.isEmpty());
    w->show();
    edit(*w, "meNumVer")->setText(QStringLiteral("3"));
    dialogs_.yesNoCancel = {TUserDialogs::Answer::Cancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    dialogs_.yesNoCancel = {TUserDialogs::Answer::No};
    QVERIFY(w->close());
    QCOMPARE(dialogs_.questions.size(), 2);
}

void MainWindowTest::cancelledOpenLeavesAnEmptyUntitledReturn() {
    auto w = window({writeReturn(file(QStringLiteral("c.vx5")))});
    QCOMPARE(w->Declaration().InspectionCode, std::string("7799"));
    w->OpenDocExecute();
    QCOMPARE(dialogs_.openDialogs, 1);
    QCOMPARE(w->DocumentFileName(), QString());
    QCOMPARE(w->windowTitle(), QStringLiteral("Без имени - Velmar 2015"));
    QCOMPARE(w->Declaration().InspectionCode, std::string());
    QCOMPARE(w->Declaration().IncomeKinds, kIncomeRF);
    QCOMPARE(w->Declaration().AutoCountSheets, 1);
    QCOMPARE(w->CurrentPageId(), TPageId::InitialData);
    QVERIFY(w->Saved());
}

void MainWindowTest::damagedFileIsReportedAndForgotten() {
    const QString damaged = file(QStringLiteral("damaged.vx5"));
    writeBytes(damaged, QByteArray("DLSG") + QByteArray(100, 'x'));
    auto w = window();
    dialogs_.openNames = {damaged};
    w->OpenDocExecute();
    QCOMPARE(dialogs_.errors.size(), 1);
    QCOMPARE(dialogs_.errors[0], QStringLiteral("Неправильный формат файла декларации, возможно он поврежден."));
    QCOMPARE(w->DocumentFileName(), QString());
    QCOMPARE(w->Declaration().IncomeKinds, kIncomeRF);
    QVERIFY(w->Saved());

    // A container file cut short inside the return's own data.
    QByteArray cut = bytesOf(writeReturn(file(QStringLiteral("cut.vx5"))));
    cut.truncate(cut.size() / 2);
    writeBytes(file(QStringLiteral("cut.vx5")), cut);
    dialogs_.openNames = {file(QStringLiteral("cut.vx5"))};
    w->OpenDocExecute();
    QCOMPARE(dialogs_.errors.size(), 2);
    QCOMPARE(w->DocumentFileName(), QString());
    QCOMPARE(w->Declaration().InspectionCode, std::string());
}

void MainWindowTest::openSetsPageButtonsByTheReturn() {
    const struct {
        uint8_t kinds, kind;
        bool russian, foreign, business, invest, deduction;
    } table[] = {
        {kIncomeCurrency | kIncomeBusiness | kIncomeInvestTov, kReturnResident, false, true, true, true, true},
        {kIncomeRF, kReturnNonResident, true, false, false, false, false},
        {0, kReturn4NDFL, false, false, false, false, false},
        {kIncomeInvestTov, kReturnResident, false, false, false, true, true},
    };
    auto w = window();
    int n = 0;
    for (const auto& row : table) {
        dialogs_.openNames = {writeReturn(file(QStringLiteral("k%1.vx5").arg(n++)), row.kinds, row.kind)};
        w->OpenDocExecute();
        QCOMPARE(w->PageButton(TPageId::RussianIncome)->isEnabled(), row.russian);
        QCOMPARE(w->PageButton(TPageId::ForeignIncome)->isEnabled(), row.foreign);
        QCOMPARE(w->PageButton(TPageId::BusinessIncome)->isEnabled(), row.business);
        QCOMPARE(w->PageButton(TPageId::InvestTov)->isEnabled(), row.invest);
        QCOMPARE(w->PageButton(TPageId::Deduction)->isEnabled(), row.deduction);
        QVERIFY(w->PageButton(TPageId::PersonData)->isEnabled());
    }
}

void MainWindowTest::pageButtonsRunTheSwitchingProtocol() {
    auto w = window();
    TThinkingFrame* initial = w->CurrentPage();
    dialogs_.checkAnswers = {kCheckFix};
    w->PageButton(TPageId::PersonData)->click();
    QCOMPARE(dialogs_.checks.size(), size_t(1));
    QCOMPARE(dialogs_.checks[0].message, QStringLiteral("Не введен номер инспекции"));
    QCOMPARE(w->CurrentPage(), initial);
    QVERIFY(w->PageButton(TPageId::InitialData)->isChecked());
    QVERIFY(!w->PageButton(TPageId::PersonData)->isChecked());

    edit(*w, "meInspection")->setText(QStringLiteral("7701"));
    w->PageButton(TPageId::PersonData)->click();
    QCOMPARE(dialogs_.checks.size(), size_t(1));
    QCOMPARE(w->CurrentPageId(), TPageId::PersonData);
    QVERIFY(w->CurrentPage()->findChild<QWidget*>(QStringLiteral("lbNotAvailable")));
    QCOMPARE(w->Declaration().InspectionCode, std::string("7701"));
    TThinkingFrame* placeholder = w->CurrentPage();
    w->PageButton(TPageId::PersonData)->click();
    QCOMPARE(w->CurrentPage(), placeholder);

    w->PageButton(TPageId::InitialData)->click();
    QCOMPARE(edit(*w, "meInspection")->text(), QStringLiteral("7701"));
}

void MainWindowTest::settingsRoundTrip() {
    {
        auto w = window();
        QToolButton* create = w->findChild<QToolButton*>(QStringLiteral("fbCreate"));
        QCOMPARE(create->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(create->size(), QSize(80, 47));
        w->findChild<QAction*>(QStringLiteral("miTextLabels"))->trigger();
        w->findChild<QAction*>(QStringLiteral("miStdToolbar"))->trigger();
        QVERIFY(w->findChild<QToolBar*>(QStringLiteral("CoolBarButtons"))->isHidden());
        w->showMaximized();
    }
    QSettings stored(QStringLiteral("Ortivex"), QStringLiteral("Velmar 2015"));
    QCOMPARE(stored.value(QStringLiteral("TextLabels")).toBool(), false);
    QCOMPARE(stored.value(QStringLiteral("ShowStdToolbar")).toBool(), false);
    QVERIFY(stored.contains(QStringLiteral("wWidth")));
    QVERIFY(stored.contains(QStringLiteral("FullScreen")));
    {
        auto w = window();
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("miTextLabels"))->isChecked());
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("miStdToolbar"))->isChecked());
        QVERIFY(w->findChild<QToolBar*>(QStringLiteral("CoolBarButtons"))->isHidden());
        QToolButton* create = w->findChild<QToolButton*>(QStringLiteral("fbCreate"));
        QCOMPARE(create->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(create->size(), QSize(35, 35));
        w->findChild<QAction*>(QStringLiteral("miStdToolbar"))->trigger();
        QVERIFY(!w->findChild<QToolBar*>(QStringLiteral("CoolBarButtons"))->isHidden());
        QCOMPARE(w->findChild<QToolBar*>(QStringLiteral("CoolBarButtons"))->minimumHeight(), 38);
        w->findChild<QAction*>(QStringLiteral("miTextLabels"))->trigger();
    }
    stored.sync();
    QCOMPARE(stored.value(QStringLiteral("TextLabels")).toBool(), true);
    QCOMPARE(stored.value(QStringLiteral("ShowStdToolbar")).toBool(), true);
}

void MainWindowTest::checkWithoutACheckerSaysSo() {
    auto w = window();
    w->SetChecker(nullptr);
    QCOMPARE(w->CheckDeclaration(), uint16_t(2));
    QCOMPARE(dialogs_.infos.size(), 1);
    QVERIFY(dialogs_.infos[0].contains(QStringLiteral("пока не реализована")));
    dialogs_.folders = {files_.path()};
    w->ExportDocExecute();
    w->PreviewDocExecute();
    w->PrintDocExecute();
    QCOMPARE(dialogs_.folders.size(), size_t(1)); // no folder was asked for
    QVERIFY(w->isEnabled());
}

void MainWindowTest::checkResultOpensThePage() {
    auto w = window();
    auto* checker = new FakeChecker(0);
    w->SetChecker(std::unique_ptr<TDeclarationChecker>(checker));
    edit(*w, "meNumVer")->setText(QStringLiteral("4"));
    w->CheckDocExecute();
    QCOMPARE(checker->seenCorrection, 4); // the page stored its data first
    QCOMPARE(dialogs_.infos, QStringList{QStringLiteral("Проверка декларации завершена успешно")});

    const struct {
        uint32_t result;
        uint16_t outcome;
        TPageId page;
    } table[] = {
        {checkResult(2, 5), 1, TPageId::PersonData},     {checkResult(12, 1), 1, TPageId::InvestTov},
        {checkResult(1, 1), 1, TPageId::InitialData},    {checkResult(10, 2), 1, TPageId::Deduction},
        {checkResult(7, 0xFFFF), 2, TPageId::Deduction}, {checkResult(4, 0), 0, TPageId::Deduction},
    };
    for (const auto& row : table) {
        w->SetChecker(std::make_unique<FakeChecker>(row.result));
        QCOMPARE(w->CheckDeclaration(), row.outcome);
        QCOMPARE(w->CurrentPageId(), row.page);
        QVERIFY(w->PageButton(row.page)->isChecked());
    }
    QCOMPARE(dialogs_.checks.size(), size_t(0)); // the check went to the page without asking it
}

void MainWindowTest::exportReportsItsResult() {
    auto w = window();
    w->SetChecker(std::make_unique<FakeChecker>(0));
    const QString folder = files_.path();
    const struct {
        QString result;
        bool create;
        QString message;
    } table[] = {
        {QStringLiteral("NO_NDFL3_7701_7701_1.xml"), true,
         QStringLiteral("Сформирован файл ") + folder + QStringLiteral("/ NO_NDFL3_7701_7701_1.xml")},
        {QStringLiteral("ERROR"), false, QStringLiteral("Файл не сформирован, свяжитесь с разработчиками.")},
        {QStringLiteral("NO_NDFL3_lost.xml"), false,
         QStringLiteral("Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте "
                        "программу с правами администратора.")},
    };
    for (const auto& row : table) {
        auto* exporter = new FakeExporter(row.result, row.create);
        w->SetExporter(std::unique_ptr<TDeclarationExporter>(exporter));
        dialogs_.infos.clear();
        dialogs_.folders = {folder};
        w->ExportDocExecute();
        QCOMPARE(exporter->folders, QStringList{folder + QLatin1Char('/')});
        QCOMPARE(exporter->modes, QList<int>{1});
        QCOMPARE(dialogs_.infos, QStringList{row.message});
        QVERIFY(w->isEnabled());
    }
    // An export that throws is reported, and the window comes back.
    w->SetExporter(std::make_unique<ThrowingExporter>());
    dialogs_.infos.clear();
    dialogs_.errors.clear();
    dialogs_.folders = {folder};
    w->ExportDocExecute();
    QCOMPARE(dialogs_.errors, QStringList{QStringLiteral("сбой выгрузки")});
    QCOMPARE(dialogs_.infos, QStringList{QStringLiteral("Файл не сформирован, свяжитесь с разработчиками.")});
    QVERIFY(w->isEnabled());

    auto* exporter = new FakeExporter(QStringLiteral("x.xml"), true);
    w->SetExporter(std::unique_ptr<TDeclarationExporter>(exporter));
    w->ExportDocExecute(); // folder dialog cancelled
    QVERIFY(exporter->folders.isEmpty());
    QVERIFY(w->isEnabled());
}

void MainWindowTest::helpFileOrMessage() {
    auto w = window();
    w->HelpExecute();
    QCOMPARE(dialogs_.errors, QStringList{QStringLiteral("Не найден файл справки Velm2015.chm")});
    const QString help = data_.filePath(QStringLiteral("Velm2015.chm"));
    writeBytes(help, "ITSF");
    w->HelpExecute();
    QCOMPARE(dialogs_.helpOpened, QStringList{help});
    QCOMPARE(dialogs_.errors.size(), 1);
    QFile::remove(help);
}

void MainWindowTest::damagedInspectionDirectoryIsReportedAndSkipped() {
    const QString path = data_.filePath(QStringLiteral("InspectionNumbers.xml"));
    writeBytes(path, "<Inspections><Inspection Code=");
    auto w = window();
    QFile::remove(path);
    QCOMPARE(dialogs_.errors.size(), 1);
    QVERIFY(dialogs_.errors[0].startsWith(QStringLiteral("Поменяйте язык и региональные стандарты ОС на русские.")));
    QVERIFY(!w->InspectionDirectoryLoaded());
    QVERIFY(edit(*w, "meInspection")->isEnabled());
}

void MainWindowTest::inspectionDirectoryIsLoadedAtStartUp() {
    const QString path = data_.filePath(QStringLiteral("InspectionNumbers.xml"));
    writeBytes(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                     "<Inspections Version=\"00\" Date=\"10.12.2015\">"
                     "<Inspection Code=\"7701\">ИФНС России № 1 по г. Москве</Inspection>"
                     "<Inspection Code=\"7702\">ИФНС России № 2 по г. Москве</Inspection>"
                     "</Inspections>");
    auto w = window();
    QFile::remove(path);
    QVERIFY(dialogs_.errors.isEmpty());
    QVERIFY(w->InspectionDirectoryLoaded());
    QVERIFY(!edit(*w, "meInspection")->isEnabled());
    QVERIFY(w->findChild<QAbstractButton*>(QStringLiteral("bnInspection"))->isEnabled());

    // "..." shows the directory's dialog; the office chosen there fills the field.
    QTimer::singleShot(0, [] {
        auto* list = QApplication::activeModalWidget()->findChild<QTreeWidget*>(QStringLiteral("lvInspections"));
        QVERIFY(list);
        list->setCurrentItem(list->topLevelItem(1));
        QTest::keyClick(list, Qt::Key_Return);
    });
    w->findChild<QAbstractButton*>(QStringLiteral("bnInspection"))->click();
    QCOMPARE(edit(*w, "meInspection")->text(), QStringLiteral("7702"));
    QVERIFY(!w->Saved());
}

void MainWindowTest::theCheckStopsAtTheFirstProblem() {
    auto w = window();
    dialogs_.checkAllAnswers = {kCheckFix};
    w->CheckDocExecute();
    QCOMPARE(dialogs_.checks.size(), size_t(1));
    QCOMPARE(dialogs_.checks[0].section, QStringLiteral("Задание условий"));
    QCOMPARE(dialogs_.checks[0].message, QStringLiteral("Не введен номер инспекции"));
    QVERIFY(dialogs_.infos.isEmpty());
    QCOMPARE(w->CurrentPageId(), TPageId::InitialData);

    dialogs_.checkAllAnswers = {kCheckSkip}; // "Отмена"
    QCOMPARE(w->CheckDeclaration(), uint16_t(2));
    dialogs_.folders = {files_.path()};
    w->ExportDocExecute();
    QCOMPARE(dialogs_.folders.size(), size_t(1)); // the export stopped at the check
}

void MainWindowTest::aCompleteReturnIsExported() {
    QTemporaryDir out;
    auto w = window();
    edit(*w, "meInspection")->setText(QStringLiteral("7701"));
    mTPersonInformation& person = *w->Declaration().Person;
    person.Surname = "Иванов";
    person.FirstName = "Иван";
    person.INN = "500123456750";
    person.RegionCode = 77;
    person.Street = "Тверская";
    person.OKTMO = "45382000";
    dialogs_.folders = {out.path()};
    w->ExportDocExecute();
    QVERIFY2(dialogs_.checks.empty(), dialogs_.checks.empty() ? "" : qPrintable(dialogs_.checks[0].message));
    QVERIFY2(dialogs_.errors.isEmpty(), qPrintable(dialogs_.errors.join('\n')));
    QCOMPARE(dialogs_.infos.size(), 1);
    QVERIFY2(dialogs_.infos[0].startsWith(QStringLiteral("Сформирован файл ") + out.path() + QStringLiteral("/ NO_NDFL3_")),
             qPrintable(dialogs_.infos[0]));
    const QStringList written = QDir(out.path()).entryList({QStringLiteral("NO_NDFL3_*.xml")}, QDir::Files);
    QCOMPARE(written.size(), 1);
    QVERIFY(dialogs_.infos[0].endsWith(written[0]));
    QVERIFY(w->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
