// The classifier import dialog and the tax-office list that opens it, with a
// fake desktop: file dialog, message boxes, browser and help viewer.
#include "pages/InputInspectionNumber.h"
#include "pages/LoadSoun.h"

#include "SounFixture.h"
#include "TestFiles.h"

#include "dicts/InspectionNumbers.h"
#include "dicts/Soun.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace velmar;

namespace {

struct FakeDesktop {
    QString chosenFile;
    QString startFolder;
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    QList<QUrl> urls;
    bool browserWorks = true;
    QString helpFile;
    QStringList helpOpened;

    TLoadSounServices services() {
        TLoadSounServices s;
        s.chooseFile = [this](QWidget*, const QString& folder, const QString&) {
            startFolder = folder;
            return chosenFile;
        };
        s.showMessage = [this](QWidget*, QMessageBox::Icon icon, const QString& text) {
            icons << icon;
            messages << text;
        };
        s.openUrl = [this](const QUrl& url) {
            urls << url;
            return browserWorks;
        };
        s.helpFile = [this] { return helpFile; };
        s.openHelp = [this](const QString& path) {
            helpOpened << path;
            return true;
        };
        return s;
    }
};

QString fromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// "ИФНС № 1" in CP866.
const std::string kName866 = "\x88\x94\x8D\x91 \xFC 1";

std::string oneOfficeFile() { return test::dbfHeader(1) + test::record({"7701", kName866}); }

} // namespace

class LoadSounTest : public QObject {
    Q_OBJECT
private slots:
    void showsItsTextsAndButtons();
    void importsTheChosenFile_data();
    void importsTheChosenFile();
    void cancelledFileDialogChangesNothing();
    void linksOpenHelpAndDownloadPage();
    void keptInspectionListOpensTheImport();
};

void LoadSounTest::showsItsTextsAndButtons() {
    FakeDesktop desktop;
    TfmLoadSoun dialog(nullptr, "InspectionNumbers.xml", QStringLiteral("/opt/velmar/"), desktop.services());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Загрузка СОУН"));
    const QStringList texts{
        "Инспекция может отсутствовать в справочнике по двум причинам:",
        "- у инспекции изменился код и название, а вы не в курсе",
        "- справочник устарел",
        "Возможно два решения проблемы: простое и более сложное",
        "Простое: отредактировать справочник вручную. Как это сделать,",
        "подробно расписано в Справке",
        "Сложное:",
        "- скачать актуальный классификатор СОУН с сайта ГНИВЦ ФНС России",
        "- извлечь из скаченного архива SOUN_DBF.ARJ файл soun1.dbf",
        "- указать путь к файлу soun1.dbf и обновить справочник",
        "- перезапустить программу \"Velmar 2015\"",
    };
    for (int i = 1; i <= 11; ++i) {
        QLabel* label = dialog.Label(i);
        const bool isLink = i == 6 || i == 8;
        QCOMPARE(label->objectName(), QStringLiteral("Label%1").arg(i));
        QCOMPARE(label->textFormat(), isLink ? Qt::RichText : Qt::PlainText);
        const QString shown = isLink ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
        QCOMPARE(shown, texts[i - 1]);
        QCOMPARE(label->text().contains(QStringLiteral("<a ")), isLink);
    }
    QVERIFY(dialog.edSoun1()->isReadOnly());
    QCOMPARE(dialog.Button4()->text(), QStringLiteral("..."));
    QCOMPARE(dialog.Button1()->text(), QStringLiteral("Импорт СОУН"));
    QVERIFY(!dialog.Button1()->isEnabled());
    QCOMPARE(dialog.BitBtn1()->text(), QStringLiteral("OK"));
    QVERIFY(dialog.BitBtn1()->isEnabled());
}

void LoadSounTest::importsTheChosenFile_data() {
    QTest::addColumn<QByteArray>("classifier"); // empty: no such file
    QTest::addColumn<QString>("chosen");        // "*" stands for the classifier's path
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("written");
    const QByteArray valid = QByteArray::fromStdString(oneOfficeFile());
    QTest::addRow("classifier file") << valid << "*" << "Данные успешно импортированы. Не забудьте перезапустить программу."
                                     << true;
    QTest::addRow("file ending inside a record")
        << valid.left(valid.size() - 100) << "*" << "Импортировать данные не удалось" << false;
    QTest::addRow("not a classifier") << QByteArray("plain text, not dBASE") << "*"
                                      << "Импортировать данные не удалось" << false;
    QTest::addRow("missing file") << QByteArray() << "*" << "Импортировать данные не удалось" << false;
    QTest::addRow("blank path") << QByteArray() << "   " << "Укажите путь к файлу soun1.dbf" << false;
}

void LoadSounTest::importsTheChosenFile() {
    QFETCH(QByteArray, classifier);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    QFETCH(bool, written);
    test::TempDir dir;
    const std::filesystem::path source = dir / "soun1.dbf";
    const std::filesystem::path target = dir / "user" / "InspectionNumbers.xml";
    if (!classifier.isEmpty())
        test::writeBytes(source, classifier.toStdString());
    std::filesystem::create_directories(target.parent_path());
    const std::string previous = "<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections Version=\"00\"/>";
    test::writeBytes(target, previous);

    FakeDesktop desktop;
    desktop.chosenFile = chosen == QStringLiteral("*") ? fromPath(source) : chosen;
    TfmLoadSoun dialog(nullptr, target, QStringLiteral("/opt/velmar/"), desktop.services());
    dialog.Button4()->click();
    QCOMPARE(desktop.startFolder, QStringLiteral("/opt/velmar/"));
    QCOMPARE(dialog.edSoun1()->text(), desktop.chosenFile);
    QVERIFY(dialog.Button1()->isEnabled());
    QVERIFY(!dialog.BitBtn1()->isEnabled());

    dialog.Button1()->click();
    QCOMPARE(desktop.messages, QStringList{message});
    QVERIFY(dialog.BitBtn1()->isEnabled());
    const InspectionDirectory result = loadInspectionDirectory(target);
    if (written) {
        QCOMPARE(desktop.icons.first(), QMessageBox::Information);
        QCOMPARE(result.inspections.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(result.inspections[0].code), QStringLiteral("7701"));
        QCOMPARE(QString::fromStdString(result.inspections[0].name), QStringLiteral("ИФНС № 1"));
        QCOMPARE(QString::fromStdString(result.version), QStringLiteral("00"));
        QCOMPARE(QString::fromStdString(result.date), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    } else {
        QVERIFY(desktop.icons.first() != QMessageBox::Information);
        QCOMPARE(test::readBytes(target), previous); // the old directory stays as it was
    }

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.BitBtn1()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void LoadSounTest::cancelledFileDialogChangesNothing() {
    FakeDesktop desktop; // the file dialog hands back nothing
    TfmLoadSoun dialog(nullptr, "InspectionNumbers.xml", QString(), desktop.services());
    dialog.Button4()->click();
    QCOMPARE(dialog.edSoun1()->text(), QString());
    QVERIFY(!dialog.Button1()->isEnabled());
    QVERIFY(dialog.BitBtn1()->isEnabled());
    QVERIFY(desktop.messages.isEmpty());
}

void LoadSounTest::linksOpenHelpAndDownloadPage() {
    FakeDesktop desktop;
    TfmLoadSoun dialog(nullptr, "InspectionNumbers.xml", QString(), desktop.services());

    emit dialog.Label(6)->linkActivated(QStringLiteral("#"));
    QCOMPARE(desktop.messages, QStringList{"Не найден файл справки Velm2015.chm"});
    QVERIFY(desktop.helpOpened.isEmpty());
    desktop.messages.clear();
    desktop.helpFile = QStringLiteral("/opt/velmar/Velm2015.chm");
    emit dialog.Label(6)->linkActivated(QStringLiteral("#"));
    QCOMPARE(desktop.helpOpened, QStringList{"/opt/velmar/Velm2015.chm"});
    QVERIFY(desktop.messages.isEmpty());

    emit dialog.Label(8)->linkActivated(QStringLiteral("#"));
    QCOMPARE(desktop.urls, QList<QUrl>{QUrl(QString::fromUtf8(kSounDownloadUrl.data(), kSounDownloadUrl.size()))});
    QVERIFY(desktop.messages.isEmpty());
    desktop.browserWorks = false;
    emit dialog.Label(8)->linkActivated(QStringLiteral("#"));
    QCOMPARE(desktop.messages, QStringList{"Не удалось запустить браузер"});
}

// The directory the pages ask: its pick list is kept between uses, and its
// "моя инспекция отсутствует" button runs the import into the given file.
void LoadSounTest::keptInspectionListOpensTheImport() {
    test::TempDir dir;
    const std::filesystem::path source = dir / "soun1.dbf";
    const std::filesystem::path target = dir / "user" / "InspectionNumbers.xml";
    test::writeBytes(source, oneOfficeFile());
    FakeDesktop desktop;
    desktop.chosenFile = fromPath(source);
    InspectionDirectory offices{"00", "01.02.2016", {{"7701", "ИФНС № 1"}, {"7702", "ИФНС № 2"}}};
    TInspectionNumberDirectory directory(offices, target, QStringLiteral("/opt/velmar/"), desktop.services());

    // First use: Enter takes the preselected office.
    QTimer::singleShot(0, [] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    });
    QCOMPARE(directory.Choose(nullptr, QStringLiteral("7702")), std::optional<QString>(QStringLiteral("7702")));
    TfmInputInspectionNumber* list = directory.Dialog();
    QVERIFY(list);
    QVERIFY(list->Button1()->isEnabled());

    // Second use, for an office it does not list: Enter cannot take the last
    // choice; the user opens the import, runs it and closes it, then leaves
    // the list with Escape.
    bool importShown = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        QCOMPARE(shown, static_cast<QWidget*>(list));
        QTest::keyClick(shown, Qt::Key_Return);
        QTimer::singleShot(0, [&] {
            auto* import = qobject_cast<TfmLoadSoun*>(QApplication::activeModalWidget());
            importShown = import != nullptr;
            if (import) {
                import->Button4()->click();
                import->Button1()->click();
                import->BitBtn1()->click();
            }
        });
        list->Button1()->click();
        QTest::keyClick(list->List(), Qt::Key_Escape);
    });
    QCOMPARE(directory.Choose(nullptr, QStringLiteral("9999")), std::nullopt);
    QVERIFY(importShown);
    QCOMPARE(directory.Dialog(), list); // the same list all along
    QCOMPARE(desktop.startFolder, QStringLiteral("/opt/velmar/"));
    QCOMPARE(desktop.messages,
             QStringList{"Данные успешно импортированы. Не забудьте перезапустить программу."});
    const InspectionDirectory imported = loadInspectionDirectory(target);
    QCOMPARE(imported.inspections.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(imported.inspections[0].code), QStringLiteral("7701"));
}

QTEST_MAIN(LoadSounTest)
#include "LoadSounTest.moc"
