// The masked input fields as a user meets them: keys typed into the widget,
// pasted text, text set by code, and what each of these notifies.
#include "GuiTestSupport.h"
#include "pages/MaskedEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace velmar;

namespace {

// Sends each character as a key press with its text, as a keyboard does
// (QTest's own helpers only know Latin-1 characters); "\b" is Backspace.
void typeText(QWidget* widget, const QString& keys) {
    for (QChar ch : keys) {
        if (ch == QChar(8)) {
            QTest::keyClick(widget, Qt::Key_Backspace);
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

Q_DECLARE_METATYPE(velmar::TEditTypeControlEnum)
Q_DECLARE_METATYPE(velmar::TDocumentMaskEnum)

class MaskedEditTest : public QObject {
    Q_OBJECT
private slots:
    void typingIntoMaskedEdit_data();
    void typingIntoMaskedEdit();
    void typingIntoDocEdit_data();
    void typingIntoDocEdit();
    void refusedPasteChangesNothingAndNotifiesNobody();
    void realChangesNotifyOnceSameTextNever();
    void blanksInAnAmountBecomeEmpty();
    void enterIsLeftToTheWindow();
    void typingOverASelectionInAFullField();
    void docEditNormalisesPastedText();
};

void MaskedEditTest::typingIntoMaskedEdit_data() {
    QTest::addColumn<velmar::TEditTypeControlEnum>("type");
    QTest::addColumn<int>("whole");
    QTest::addColumn<int>("fraction");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("point in empty amount") << edtCurrency << 0 << 0 << "." << ",";
    QTest::newRow("point after comma") << edtCurrency << 0 << 0 << "1,5." << "1,5";
    QTest::newRow("13th whole digit") << edtCurrency << 12 << 0 << "1234567890123" << "123456789012";
    QTest::newRow("fraction unlimited") << edtCurrency << 12 << 0 << "123456789012,123456" << "123456789012,123456";
    QTest::newRow("fraction limit") << edtCurrency << 0 << 2 << "5.678" << "5,67";
    QTest::newRow("amount letters") << edtCurrency << 0 << 0 << "1а2b" << "12";
    QTest::newRow("backspace") << edtCurrency << 0 << 0 << "12,5\b\b" << "12";
    QTest::newRow("digits only") << edtDigital << 4 << 0 << "1x2 34" << "1234";
    QTest::newRow("digits length") << edtDigital << 3 << 0 << "9999" << "999";
    QTest::newRow("no digits") << edtChar << 0 << 0 << "Иван1ов" << "Иванов";
    QTest::newRow("free length") << edtNone << 5 << 0 << "ООО \"Ромашка\"" << "ООО \"";
}

void MaskedEditTest::typingIntoMaskedEdit() {
    QFETCH(velmar::TEditTypeControlEnum, type);
    QFETCH(int, whole);
    QFETCH(int, fraction);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    TMaskedEdit edit;
    edit.SetEditType(type);
    edit.SetWholeLength(static_cast<uint16_t>(whole));
    edit.SetFractionalLength(static_cast<uint16_t>(fraction));
    typeText(&edit, keys);
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.LastText(), expected);
    // The widget and the plain rules agree.
    QCOMPARE(typeKeys(edit.Rule(), {}, keys).text, expected);
}

void MaskedEditTest::typingIntoDocEdit_data() {
    QTest::addColumn<velmar::TDocumentMaskEnum>("mask");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("passport") << edt99_ << "4509123456" << "45 09 123456";
    QTest::newRow("roman refuses 4") << edtR_BB << "4" << "";
    QTest::newRow("roman look-alikes") << edtR_BB << "1у" << "IV";
    QTest::newRow("no IIII") << edtR_BB << "IIII" << "III";
    QTest::newRow("birth certificate") << edtR_BB << "IV-АБ1" << "IV-АБ 1";
    QTest::newRow("small letters") << edtR_BB << "iv-аб123456" << "IV-АБ 123456";
    QTest::newRow("two digits, blank dropped") << edt99 << "12 3456789" << "12 3456789";
    QTest::newRow("letters and number") << edtBB << "аб123" << "АБ 123";
    QTest::newRow("letters hyphen number") << edtBB5 << "аб12345" << "АБ-12345";
    QTest::newRow("free 14") << edtNone2 << "ABCDEFGHIJKLMNOP" << "ABCDEFGHIJKLMN";
}

void MaskedEditTest::typingIntoDocEdit() {
    QFETCH(velmar::TDocumentMaskEnum, mask);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    TMaskedDocEdit edit;
    edit.SetEditType(mask);
    typeText(&edit, keys);
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.cursorPosition(), expected.size());
}

void MaskedEditTest::refusedPasteChangesNothingAndNotifiesNobody() {
    test::ChangeCounter counter;
    TMaskedEdit edit;
    edit.SetEditType(edtDigital);
    edit.setText(QStringLiteral("5"));
    QCOMPARE(counter.received, 1);
    QSignalSpy changed(&edit, &TMaskedLineEdit::changed);
    edit.selectAll();
    edit.insert(QStringLiteral("12a")); // what a paste does
    QCOMPARE(edit.text(), QStringLiteral("5"));
    edit.insert(QStringLiteral("7\x01"));
    QCOMPARE(edit.text(), QStringLiteral("5"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(counter.received, 1);

    TMaskedEdit name;
    name.SetEditType(edtNone);
    name.setText(QStringLiteral("Иванов"));
    name.setText(QStringLiteral("Jürgen ✓")); // no Windows-1251 form
    QCOMPARE(name.text(), QStringLiteral("Иванов"));
}

void MaskedEditTest::realChangesNotifyOnceSameTextNever() {
    test::ChangeCounter counter;
    TMaskedEdit edit;
    edit.SetEditType(edtCurrency);
    QSignalSpy changed(&edit, &TMaskedLineEdit::changed);
    typeText(&edit, QStringLiteral("12"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(counter.received, 2);
    edit.setText(QStringLiteral("12"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(counter.received, 2);
    edit.setText(QStringLiteral("7,5"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(counter.received, 3);
    typeText(&edit, QStringLiteral("x"));
    QCOMPARE(changed.count(), 3);
}

void MaskedEditTest::blanksInAnAmountBecomeEmpty() {
    TMaskedEdit edit;
    edit.SetEditType(edtCurrency);
    edit.setText(QStringLiteral("15"));
    edit.setText(QStringLiteral("   "));
    QCOMPARE(edit.text(), QString());
    QCOMPARE(edit.LastText(), QString());
}

void MaskedEditTest::enterIsLeftToTheWindow() {
    TMaskedEdit edit;
    edit.SetEditType(edtNone);
    edit.setText(QStringLiteral("abc"));
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        QKeyEvent enter(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(&edit, &enter);
        QVERIFY2(!enter.isAccepted(), "Enter must travel on to the window");
    }
    QCOMPARE(edit.text(), QStringLiteral("abc"));
    TMaskedDocEdit doc;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&doc, &enter);
    QVERIFY(!enter.isAccepted());
}

void MaskedEditTest::typingOverASelectionInAFullField() {
    TMaskedEdit code;
    code.SetEditType(edtDigital);
    code.SetWholeLength(4);
    code.setText(QStringLiteral("7701"));
    code.selectAll();
    typeText(&code, QStringLiteral("5"));
    QCOMPARE(code.text(), QStringLiteral("5"));

    TMaskedEdit amount;
    amount.SetEditType(edtCurrency);
    amount.SetWholeLength(3);
    amount.setText(QStringLiteral("999"));
    amount.setSelection(1, 2);
    typeText(&amount, QStringLiteral("1"));
    QCOMPARE(amount.text(), QStringLiteral("91"));
}

void MaskedEditTest::docEditNormalisesPastedText() {
    test::ChangeCounter counter;
    TMaskedDocEdit edit;
    edit.SetEditType(edtR_BB);
    QSignalSpy changed(&edit, &TMaskedLineEdit::changed);
    edit.setText(QStringLiteral("xiv-аб 123456"));
    QCOMPARE(edit.text(), QStringLiteral("XIV-АБ 123456"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(counter.received, 1);
    edit.setText(QStringLiteral("VX-АБ 1"));
    QCOMPARE(edit.text(), QStringLiteral("XIV-АБ 123456"));
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(MaskedEditTest)
#include "MaskedEditTest.moc"
