// The start window and its picture, the check-message windows and the
// conventions of the pick-list dialogs.
#include "app/Resources.h"
#include "app/StartForm.h"
#include "pages/CheckError.h"
#include "pages/InputDialog.h"
#include "pages/MaskedEdit.h"
#include "platform/qt/JpegDecoder.h"
#include "platform/qt/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
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
    void inputDialogConventions();
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
    } table[] = {{"Исправить", kCheckFix}, {"Пропустить", kCheckSkip}, {"Пропустить все", kCheckSkipAll}};
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
             int(kCheckFix));
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(TfmCheckError::Ask({QStringLiteral("ОКТМО"), QStringLiteral("Не введен код ОКТМО"), true, false}),
             int(kCheckSkip));
}

void DialogsTest::checkAllErrorWindow() {
    TfmCheckAllError window({QStringLiteral("Сведения о декларанте"), QStringLiteral("Не введена фамилия")});
    QCOMPARE(window.windowTitle(), QStringLiteral("Проверка: Сведения о декларанте"));
    QCOMPARE(window.bnCancel()->text(), QStringLiteral("Отмена"));
    QCOMPARE(window.findChildren<QPushButton*>().size(), 2);
    whenModal([](QWidget* modal) { modal->close(); });
    QCOMPARE(TfmCheckAllError::Ask({QStringLiteral("a"), QStringLiteral("b")}), int(kCheckSkip));
    whenModal([](QWidget* modal) { modal->findChild<QPushButton*>()->click(); });
    QCOMPARE(TfmCheckAllError::Ask({QStringLiteral("a"), QStringLiteral("b")}), int(kCheckFix));
}

namespace {

// An input dialog with one field that must not be empty.
class NameDialog : public TInputDialog {
public:
    NameDialog() {
        name = new TMaskedEdit(this);
        name->SetEditType(edtNone);
        Body()->addWidget(name);
    }
    TMaskedEdit* name;
    int refusals = 0;

protected:
    bool CanAccept() override {
        if (!name->text().trimmed().isEmpty())
            return true;
        ++refusals;
        name->setFocus();
        return false;
    }
};

} // namespace

void DialogsTest::inputDialogConventions() {
    NameDialog dialog;
    QCOMPARE(dialog.bnYes()->text(), QStringLiteral("Да"));
    QCOMPARE(dialog.bnNo()->text(), QStringLiteral("Нет"));
    // Enter in the field runs the dialog's checks: refused while empty, then accepted.
    whenModal([&dialog](QWidget*) {
        QTest::keyClick(dialog.name, Qt::Key_Return);
        QCOMPARE(dialog.refusals, 1);
        QVERIFY(dialog.isVisible());
        QTest::keyClicks(dialog.name, QStringLiteral("Ivanov"));
        QTest::keyClick(dialog.name, Qt::Key_Enter);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    whenModal([&dialog](QWidget*) { QTest::keyClick(dialog.name, Qt::Key_Escape); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    whenModal([&dialog](QWidget*) { dialog.bnNo()->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    whenModal([&dialog](QWidget*) { dialog.bnYes()->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.refusals, 1);
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
