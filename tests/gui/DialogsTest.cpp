// The start window and its picture, the check-message windows and the
// conventions of the pick-list dialogs.
#include "app/Resources.h"
#include "app/StartForm.h"
#include "pages/CheckError.h"
#include "pages/InputDialog.h"
#include "platform/qt/JpegDecoder.h"
#include "platform/qt/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

using namespace velmar;

namespace {

// Runs `act` on the modal window once it is up.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
    });
}

QByteArray splashBytes() {
    QFile file(QStringLiteral(":/velmar/splash.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitVelmarResources(); }
    void startPictureDecodesWithLibjpeg();
    void damagedPicturesGiveAnError_data();
    void damagedPicturesGiveAnError();
    void startWindow();
    void checkErrorButtonsAndResults();
    void closingACheckWindow();
    void checkAllErrorWindow();
    void codeListConventions();
    void dataFilesBesideTheProgramOrInstalled();
};

void DialogsTest::startPictureDecodesWithLibjpeg() {
    QString error;
    const QImage picture = DecodeJpeg(splashBytes(), &error);
    QVERIFY2(!picture.isNull(), qPrintable(error));
    QCOMPARE(picture.size(), QSize(TfmStart::kWidth, TfmStart::kHeight));
    // The bottom accent line is amber, the background dark blue.
    const QColor bottom = picture.pixelColor(230, 102);
    QVERIFY(bottom.red() > 200 && bottom.blue() < 100);
    const QColor corner = picture.pixelColor(3, 3);
    QVERIFY(corner.blue() > corner.red());
}

void DialogsTest::damagedPicturesGiveAnError_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray jpeg = splashBytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a jpeg") << QByteArray("GIF89a not a picture at all");
    QTest::newRow("start of image only") << jpeg.left(2);
    QTest::newRow("header cut") << jpeg.left(40);
    QByteArray badFrame = jpeg;
    // Zero width in the frame header makes libjpeg give up.
    const qsizetype sof = badFrame.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof > 0) {
        badFrame[sof + 7] = 0;
        badFrame[sof + 8] = 0;
    }
    QTest::newRow("zero width") << badFrame;
}

void DialogsTest::damagedPicturesGiveAnError() {
    QFETCH(QByteArray, data);
    QString error;
    const QImage picture = DecodeJpeg(data, &error);
    QVERIFY(picture.isNull());
    QVERIFY(!error.isEmpty());
}

void DialogsTest::startWindow() {
    TfmStart start;
    QCOMPARE(start.size(), QSize(460, 104));
    QVERIFY(start.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(start.tmStartTimer()->interval(), 3000);
    QCOMPARE(start.tmStartTimer()->timerType(), Qt::PreciseTimer);
    QVERIFY(start.TimerActive());
    QVERIFY(!start.Picture().isNull());
    start.tmStartTimer()->setInterval(5);
    start.tmStartTimer()->start();
    QTRY_VERIFY(!start.TimerActive());
}

void DialogsTest::checkErrorButtonsAndResults() {
    const TCheckRequest request{QStringLiteral("Задание условий"), QStringLiteral("Не введен номер инспекции"), false,
                                true};
    TfmCheckError window(request);
    QCOMPARE(window.windowTitle(), QStringLiteral("Проверка: Задание условий"));
    QCOMPARE(window.messageText(), request.message);
    QCOMPARE(window.bnFix()->text(), QStringLiteral("Исправить"));
    QCOMPARE(window.bnSkip()->text(), QStringLiteral("Пропустить"));
    QCOMPARE(window.bnSkipAll()->text(), QStringLiteral("Пропустить все"));
    QVERIFY(!window.bnSkip()->isEnabled());
    QVERIFY(window.bnSkipAll()->isEnabled());

    const struct {
        const char* button;
        int answer;
    } table[] = {{"Исправить", kAnswerFix}, {"Пропустить", kAnswerSkip}, {"Пропустить все", kAnswerSkipAll}};
    for (const auto& row : table) {
        whenModal([&row](QWidget* modal) {
            for (QPushButton* b : modal->findChildren<QPushButton*>())
                if (b->text() == QString::fromUtf8(row.button))
                    b->click();
        });
        QCOMPARE(TfmCheckError::Ask({QStringLiteral("x"), QStringLiteral("y"), true, true}), row.answer);
    }
}

void DialogsTest::closingACheckWindow() {
    whenModal([](QWidget* modal) { modal->close(); });
    QCOMPARE(TfmCheckError::Ask({QStringLiteral("ИНН"), QStringLiteral("Номер ИНН введен неверно"), false, false}),
             int(kAnswerFix));
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(TfmCheckError::Ask({QStringLiteral("ОКТМО"), QStringLiteral("Не введен код ОКТМО"), true, false}),
             int(kAnswerSkip));
}

void DialogsTest::checkAllErrorWindow() {
    TfmCheckAllError window({QStringLiteral("Сведения о декларанте"), QStringLiteral("Не введена фамилия")});
    QCOMPARE(window.windowTitle(), QStringLiteral("Проверка: Сведения о декларанте"));
    QCOMPARE(window.bnCancel()->text(), QStringLiteral("Отмена"));
    QCOMPARE(window.findChildren<QPushButton*>().size(), 2);
    whenModal([](QWidget* modal) { modal->close(); });
    QCOMPARE(TfmCheckAllError::Ask({QStringLiteral("a"), QStringLiteral("b")}), int(kAnswerSkip));
    whenModal([](QWidget* modal) { modal->findChild<QPushButton*>()->click(); });
    QCOMPARE(TfmCheckAllError::Ask({QStringLiteral("a"), QStringLiteral("b")}), int(kAnswerFix));
}

void DialogsTest::codeListConventions() {
    const std::vector<TfmCodeList::Row> rows{{QStringLiteral("7701"), QStringLiteral("ИФНС России № 1 по г. Москве")},
                                             {QStringLiteral("7702"), QStringLiteral("ИФНС России № 2 по г. Москве")},
                                             {QStringLiteral("7703"), QStringLiteral("ИФНС России № 3 по г. Москве")}};
    TfmCodeList list(QStringLiteral("Справочник инспекций"), QStringLiteral("Код"),
                     QStringLiteral("Наименование инспекции"), rows);
    QCOMPARE(list.bnYes()->text(), QStringLiteral("Да"));
    QCOMPARE(list.bnNo()->text(), QStringLiteral("Нет"));
    list.Preselect(QStringLiteral("7702"));
    QCOMPARE(list.SelectedCode(), QStringLiteral("7702"));
    list.Preselect(QStringLiteral("9999"));
    QCOMPARE(list.SelectedCode(), QString());

    list.Preselect(QStringLiteral("7703"));
    whenModal([&list](QWidget*) { QTest::keyClick(list.List(), Qt::Key_Return); });
    QCOMPARE(list.exec(), int(QDialog::Accepted));
    whenModal([&list](QWidget*) { QTest::keyClick(list.List(), Qt::Key_Escape); });
    QCOMPARE(list.exec(), int(QDialog::Rejected));
    whenModal([&list](QWidget*) {
        QTreeWidgetItem* item = list.List()->topLevelItem(0);
        list.List()->setCurrentItem(item);
        emit list.List()->itemDoubleClicked(item, 1);
    });
    QCOMPARE(list.exec(), int(QDialog::Accepted));
    QCOMPARE(list.SelectedCode(), QStringLiteral("7701"));

    // The directory the main window keeps: the chosen code, none on "Нет".
    TCodeListDirectory directory(QStringLiteral("Справочник инспекций"), QStringLiteral("Код"),
                                 QStringLiteral("Наименование инспекции"), rows);
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    QCOMPARE(directory.Choose(nullptr, QStringLiteral("7702")), std::optional<QString>(QStringLiteral("7702")));
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(directory.Choose(nullptr, QStringLiteral("7702")), std::nullopt);
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    QCOMPARE(directory.Choose(nullptr, QStringLiteral("0000")), std::nullopt);
}

// The build tree keeps the data files beside the binaries; an installed
// program finds them in <prefix>/share/velmar. A file beside the program wins.
void DialogsTest::dataFilesBesideTheProgramOrInstalled() {
    const QString name = QStringLiteral("velmar-probe-%1.xml").arg(QCoreApplication::applicationPid());
    const QString beside = ProgramFolder() + name;
    const QString installedFolder = QDir::cleanPath(ProgramFolder() + QStringLiteral("../share/velmar"));
    QVERIFY(QDir().mkpath(installedFolder));
    const QString installed = installedFolder + QLatin1Char('/') + name;
    QCOMPARE(FindDataFile(name), QString());
    QFile(installed).open(QIODevice::WriteOnly);
    QCOMPARE(FindDataFile(name), installed);
    QFile(beside).open(QIODevice::WriteOnly);
    QCOMPARE(FindDataFile(name), beside);
    QFile::remove(beside);
    QFile::remove(installed);
    QVERIFY(ProgramFolder().endsWith(QLatin1Char('/')));
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
