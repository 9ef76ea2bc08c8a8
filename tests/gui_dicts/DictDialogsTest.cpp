// The dictionary dialogs on screen: what they list and select, and the keys,
// clicks and buttons that close them.
#include "pages/ImputGrazhd.h"
#include "pages/ImputOkv.h"
#include "pages/InputCurrencyCode.h"
#include "pages/InputIncomeCode.h"
#include "pages/InputInspectionNumber.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace velmar;

namespace {

enum class Kind { Inspection, Country, Currency, IncomeCode, DeductCode };

const InspectionDirectory kInspections{
    "00", "01.02.2016",
    {{"7701", "Инспекция ФНС России № 1 по г.Москве"}, {"7702", "Инспекция ФНС России № 2 по г.Москве"},
     {"0400", "Инспекция ФНС России по г.Горно-Алтайску"}}};
const std::vector<CodeName> kCountries{{"643", "РОССИЯ"}, {"840", "СОЕДИНЕННЫЕ ШТАТЫ"}, {"276", "ГЕРМАНИЯ"}};
const CurrencyRates kRates{{{"840", "Доллар США", {}}, {"0", "нулевой код", {}}, {"978", "Евро", {}}}};

// A dialog of each kind with its second row preselected.
std::unique_ptr<TDictListDialog> makeDialog(Kind kind, const IncomeDict& dict) {
    switch (kind) {
    case Kind::Inspection: {
        auto dialog = std::make_unique<TfmInputInspectionNumber>(nullptr, &kInspections);
        dialog->Preselect("7702");
        return dialog;
    }
    case Kind::Country: {
        auto dialog = std::make_unique<TfmGrazhd>(nullptr, &kCountries);
        dialog->Preselect("840");
        return dialog;
    }
    case Kind::Currency:
        return std::make_unique<TfmInputCurrencyCode>(nullptr, "0", &kRates);
    case Kind::IncomeCode:
        return std::make_unique<TfmInputIncomeCode>(nullptr, dict, "2001", "13", true);
    case Kind::DeductCode:
        return std::make_unique<TfmInputDeductCode>(nullptr, dict, "2201", "405", true);
    }
    return nullptr;
}

// The same kinds with nothing to list.
std::unique_ptr<TDictListDialog> makeEmptyDialog(Kind kind, const IncomeDict& dict) {
    switch (kind) {
    case Kind::Inspection: {
        auto dialog = std::make_unique<TfmInputInspectionNumber>(nullptr, nullptr);
        dialog->Preselect("7701");
        return dialog;
    }
    case Kind::Country: {
        auto dialog = std::make_unique<TfmGrazhd>(nullptr, nullptr);
        dialog->Preselect("643");
        return dialog;
    }
    case Kind::Currency:
        return std::make_unique<TfmInputCurrencyCode>(nullptr, "840", nullptr);
    case Kind::IncomeCode:
        return std::make_unique<TfmInputIncomeCode>(nullptr, dict, "2000", "30", false);
    case Kind::DeductCode:
        return std::make_unique<TfmInputDeductCode>(nullptr, dict, "2000", "", true);
    }
    return nullptr;
}

void addKinds() {
    QTest::addRow("inspection") << Kind::Inspection;
    QTest::addRow("country") << Kind::Country;
    QTest::addRow("currency") << Kind::Currency;
    QTest::addRow("income code") << Kind::IncomeCode;
    QTest::addRow("deduction code") << Kind::DeductCode;
}

// What a real double click delivers: press, release, then the double click.
void doubleClickRow(QTreeWidget* list, int row) {
    const QPoint centre = list->visualItemRect(list->topLevelItem(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

// The dialog is still open and has not been confirmed.
bool stillOpen(const QDialog& dialog) { return dialog.isVisible() && dialog.result() != QDialog::Accepted; }

const char* const kOkvedXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><root>"
    "<e><GRUP>1</GRUP><Kod>A</Kod><OKVED>A</OKVED><Name>Сельское хозяйство</Name></e>"
    "<e><GRUP>2</GRUP><Kod>A01</Kod><OKVED>01</OKVED><Name>Растениеводство</Name></e>"
    "<e><GRUP>3</GRUP><Kod>A01.1</Kod><OKVED>01.1</OKVED><Name>Прочее</Name></e>"
    "<e><GRUP>4</GRUP><Kod>A01.11</Kod><OKVED>01.11</OKVED><Name>Выращивание</Name></e>"
    "<e><GRUP>2</GRUP><Kod>A02</Kod><OKVED>02</OKVED><Name>Лесоводство</Name></e>"
    "<e><GRUP>3</GRUP><Kod>A02.1</Kod><OKVED>02.1</OKVED><Name>Прочее</Name></e>"
    "<e><GRUP>1</GRUP><Kod>B</Kod><OKVED>B</OKVED><Name>Добыча</Name></e>"
    "</root>";

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class DictDialogsTest : public QObject {
    Q_OBJECT

    const IncomeDict dict_ = IncomeDict::loadBuiltIn();
    const std::vector<OkvedEntry> okved_ = parseOkved(kOkvedXml, "Sp_OKVED2.xml");

private slots:
    void listsShowTheirCaptionsAndColumns_data();
    void listsShowTheirCaptionsAndColumns();
    void enterDoubleClickAndButtonsCloseTheList_data();
    void enterDoubleClickAndButtonsCloseTheList();
    void emptyListsCannotBeConfirmed_data();
    void emptyListsCannotBeConfirmed();
    void keptListForgetsThePreviousChoice_data();
    void keptListForgetsThePreviousChoice();
    void inspectionListOffersTheImportOnlyWhenGiven();
    void currencyListPreselection_data();
    void currencyListPreselection();
    void codeListsHandBackTheDictionaryAttributes();
    void okvedChooserCascadesAndKeepsEachEntry();
    void okvedChooserConfirmsOnlyAChosenLongEnoughCode_data();
    void okvedChooserConfirmsOnlyAChosenLongEnoughCode();
    void okvedEnterInAnOpenListPicksTheItem();
    void okvedChooserWithoutClassifier();
};

void DictDialogsTest::listsShowTheirCaptionsAndColumns_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("nameColumn");
    QTest::addRow("inspection") << Kind::Inspection << "Справочник инспекций" << "lvInspections"
                                << "Наименование инспекции";
    QTest::addRow("country") << Kind::Country << "Справочник стран" << "lvGrazhd" << "Наименование государства";
    QTest::addRow("currency") << Kind::Currency << "Справочник валют" << "lvCurrencys" << "Наименование валюты";
    QTest::addRow("income code") << Kind::IncomeCode << "Справочник видов доходов" << "lvIncomeCodes"
                                 << "Наименование дохода";
    QTest::addRow("deduction code") << Kind::DeductCode << "Справочник видов вычетов" << "lvDeductCodes"
                                    << "Виды вычетов";
}

void DictDialogsTest::listsShowTheirCaptionsAndColumns() {
    QFETCH(Kind, kind);
    QFETCH(QString, caption);
    QFETCH(QString, listName);
    QFETCH(QString, nameColumn);
    auto dialog = makeDialog(kind, dict_);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->windowTitle(), caption);
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->List()->objectName(), listName);
    QCOMPARE(dialog->List()->headerItem()->text(0), QStringLiteral("Код"));
    QCOMPARE(dialog->List()->headerItem()->text(1), nameColumn);
    QCOMPARE(dialog->List()->header()->sectionSize(0), 60);
    QVERIFY(dialog->List()->header()->sectionSize(1) >= 570);
    QCOMPARE(dialog->bnYes()->text(), QStringLiteral("Да"));
    QCOMPARE(dialog->bnCansel()->text(), QStringLiteral("Нет"));
    // The preselected row is selected, focused and can be confirmed at once.
    QCOMPARE(dialog->ChosenRow(), std::optional<std::size_t>(1));
    QCOMPARE(dialog->List()->currentItem(), dialog->List()->topLevelItem(1));
    QVERIFY(dialog->List()->topLevelItem(1)->isSelected());
    QVERIFY(dialog->List()->hasFocus());
    QVERIFY(dialog->bnYes()->isEnabled());
}

enum class Action { EnterInList, EnterOnNo, ClickYes, DoubleClickFirstRow, EscapeInList, ClickNo };
Q_DECLARE_METATYPE(Action)

void DictDialogsTest::enterDoubleClickAndButtonsCloseTheList_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("chosenRow");
    const struct {
        const char* name;
        Action action;
        bool accepted;
        int chosenRow;
    } actions[] = {
        {"Enter in the list", Action::EnterInList, true, 1},
        {"Enter on Нет", Action::EnterOnNo, true, 1}, // key preview: Enter is "Да" wherever the focus is
        {"click Да", Action::ClickYes, true, 1},
        {"double click", Action::DoubleClickFirstRow, true, 0},
        {"Escape", Action::EscapeInList, false, 1},
        {"click Нет", Action::ClickNo, false, 1},
    };
    const struct {
        const char* name;
        Kind kind;
    } kinds[] = {{"inspection", Kind::Inspection}, {"country", Kind::Country}, {"currency", Kind::Currency},
                 {"income code", Kind::IncomeCode}, {"deduction code", Kind::DeductCode}};
    for (const auto& k : kinds)
        for (const auto& a : actions)
            QTest::addRow("%s, %s", k.name, a.name) << k.kind << a.action << a.accepted << a.chosenRow;
}

void DictDialogsTest::enterDoubleClickAndButtonsCloseTheList() {
    QFETCH(Kind, kind);
    QFETCH(Action, action);
    QFETCH(bool, accepted);
    QFETCH(int, chosenRow);
    auto dialog = makeDialog(kind, dict_);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    switch (action) {
    case Action::EnterInList:
        QTest::keyClick(dialog->List(), Qt::Key_Return);
        break;
    case Action::EnterOnNo:
        dialog->bnCansel()->setFocus();
        QTest::keyClick(dialog->bnCansel(), Qt::Key_Enter);
        break;
    case Action::ClickYes:
        QTest::mouseClick(dialog->bnYes(), Qt::LeftButton);
        break;
    case Action::DoubleClickFirstRow:
        doubleClickRow(dialog->List(), 0);
        break;
    case Action::EscapeInList:
        QTest::keyClick(dialog->List(), Qt::Key_Escape);
        break;
    case Action::ClickNo:
        QTest::mouseClick(dialog->bnCansel(), Qt::LeftButton);
        break;
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dialog->ChosenRow(), std::optional<std::size_t>(chosenRow));
    QCOMPARE(dialog->Code(), dialog->List()->topLevelItem(chosenRow)->text(0));
    QCOMPARE(dialog->Name(), dialog->List()->topLevelItem(chosenRow)->text(1));
}

void DictDialogsTest::emptyListsCannotBeConfirmed_data() {
    QTest::addColumn<Kind>("kind");
    addKinds();
}

void DictDialogsTest::emptyListsCannotBeConfirmed() {
    QFETCH(Kind, kind);
    auto dialog = makeEmptyDialog(kind, dict_);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->List()->topLevelItemCount(), 0);
    QCOMPARE(dialog->ChosenRow(), std::nullopt);
    QVERIFY(!dialog->bnYes()->isEnabled());
    QTest::keyClick(dialog->List(), Qt::Key_Return);
    QTest::keyClick(dialog->List(), Qt::Key_Down);
    QTest::mouseDClick(dialog->List()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    dialog->Confirm();
    QVERIFY(stillOpen(*dialog));
    QCOMPARE(dialog->Code(), QString());
    QTest::keyClick(dialog->List(), Qt::Key_Escape);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void DictDialogsTest::keptListForgetsThePreviousChoice_data() {
    QTest::addColumn<bool>("inspections");
    QTest::addColumn<QString>("known");
    QTest::addColumn<QString>("unknown");
    QTest::addRow("inspection") << true << "0400" << "9999";
    QTest::addRow("country") << false << "276" << "999";
}

void DictDialogsTest::keptListForgetsThePreviousChoice() {
    QFETCH(bool, inspections);
    QFETCH(QString, known);
    QFETCH(QString, unknown);
    TfmInputInspectionNumber inspectionDialog(nullptr, &kInspections);
    TfmGrazhd countryDialog(nullptr, &kCountries);
    TDictListDialog& dialog = inspections ? static_cast<TDictListDialog&>(inspectionDialog) : countryDialog;
    const auto preselect = [&](const QString& code) {
        if (inspections)
            inspectionDialog.Preselect(code.toStdString());
        else
            countryDialog.Preselect(code.toStdString());
    };

    // First use: the known code is chosen and confirmed.
    preselect(known);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(dialog.List(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Code(), known);
    QCOMPARE(dialog.ChosenRow(), std::optional<std::size_t>(2));

    // Second use, for a code the list does not have: nothing is selected and
    // the last choice cannot come back through Enter.
    preselect(unknown);
    dialog.setResult(0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.ChosenRow(), std::nullopt);
    QCOMPARE(dialog.Code(), QString());
    QCOMPARE(dialog.Name(), QString());
    QVERIFY(dialog.List()->selectedItems().isEmpty());
    QVERIFY(!dialog.bnYes()->isEnabled());
    QTest::keyClick(dialog.List(), Qt::Key_Return);
    QVERIFY(stillOpen(dialog));

    // The user picks a row himself; that one is handed back.
    doubleClickRow(dialog.List(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Code(), dialog.List()->topLevelItem(0)->text(0));
}

void DictDialogsTest::inspectionListOffersTheImportOnlyWhenGiven() {
    TfmInputInspectionNumber dialog(nullptr, &kInspections);
    QCOMPARE(dialog.Button1()->objectName(), QStringLiteral("Button1"));
    QCOMPARE(dialog.Button1()->text(), QStringLiteral("Пролистал весь справочник, моя инспекция отсутствует..."));
    QVERIFY(!dialog.Button1()->isEnabled());
    int opened = 0;
    dialog.SetMissingInspectionAction([&] { ++opened; });
    QVERIFY(dialog.Button1()->isEnabled());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    QCOMPARE(opened, 1);
    QVERIFY(stillOpen(dialog)); // the list stays; the import takes effect after a restart
}

void DictDialogsTest::currencyListPreselection_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("row");
    QTest::addRow("listed code") << "978" << 2;
    QTest::addRow("empty code counts as 0") << "" << 1;
    QTest::addRow("code not in the file: first row") << "392" << 0;
}

void DictDialogsTest::currencyListPreselection() {
    QFETCH(QString, current);
    QFETCH(int, row);
    TfmInputCurrencyCode dialog(nullptr, current.toStdString(), &kRates);
    QCOMPARE(dialog.List()->topLevelItemCount(), 3);
    QCOMPARE(dialog.ChosenRow(), std::optional<std::size_t>(row));
    QCOMPARE(dialog.Code(), QString::fromStdString(kRates.currencies[row].code));
    QCOMPARE(dialog.Name(), QString::fromStdString(kRates.currencies[row].name));
}

void DictDialogsTest::codeListsHandBackTheDictionaryAttributes() {
    // Non-resident 13% page: only the codes marked for it; the arrow key moves
    // the choice and Enter hands back the new row's code and rate.
    TfmInputIncomeCode incomes(nullptr, dict_, "2001", "13", true);
    incomes.show();
    QVERIFY(QTest::qWaitForWindowExposed(&incomes));
    QCOMPARE(incomes.List()->topLevelItemCount(), 7);
    QTest::keyClick(incomes.List(), Qt::Key_Down);
    QTest::keyClick(incomes.List(), Qt::Key_Return);
    QCOMPARE(incomes.result(), int(QDialog::Accepted));
    std::optional<IncomeCodeChoice> income = incomes.Choice();
    QVERIFY(income);
    QCOMPARE(QString::fromStdString(income->code), QStringLiteral("2010"));
    QCOMPARE(income->rate, 13);
    QVERIFY(income->hasDeductions);
    QCOMPARE(QString::fromStdString(income->name), incomes.Name());

    // Code 2201 with 405: the percentage that drives the amount comes back.
    TfmInputDeductCode deductions(nullptr, dict_, "2201", "405", true);
    std::optional<DeductionCodeEntry> deduction = deductions.Choice();
    QVERIFY(deduction);
    QCOMPARE(QString::fromStdString(deduction->code), QStringLiteral("405"));
    QCOMPARE(deduction->percent, 20);
    QVERIFY(!deduction->enabled);
    QCOMPARE(QString::fromStdString(deduction->name), QStringLiteral("В пределах норматива затрат"));

    // A non-resident is not offered 218 under 1530; its current code falls back to the first row.
    TfmInputDeductCode nonResident(nullptr, dict_, "1530", "218", false);
    QCOMPARE(nonResident.List()->topLevelItemCount(), 2);
    QCOMPARE(nonResident.Code(), QStringLiteral("201"));
    QCOMPARE(nonResident.List()->topLevelItem(1)->text(0), QStringLiteral("0"));
    QCOMPARE(nonResident.List()->topLevelItem(1)->text(1), QStringLiteral("Не предоставлять вычет"));
}

void DictDialogsTest::okvedChooserCascadesAndKeepsEachEntry() {
    TFormOKVED dialog(nullptr, &okved_);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Код по ОКВЭД"));
    QCOMPARE(dialog.ComboBox(1)->objectName(), QStringLiteral("ComboBox1"));
    QCOMPARE(dialog.ComboBox(6)->objectName(), QStringLiteral("ComboBox6"));
    QCOMPARE(itemsOf(dialog.ComboBox(1)), (QStringList{"нет", "Сельское хозяйство", "Добыча"}));
    for (int level = 2; level <= 6; ++level)
        QCOMPARE(itemsOf(dialog.ComboBox(level)), QStringList{"нет"});
    QCOMPARE(dialog.edOKV()->text(), QStringLiteral("нет"));
    QVERIFY(dialog.edOKV()->isReadOnly());

    dialog.ComboBox(1)->setCurrentIndex(1);
    QCOMPARE(dialog.edOKV()->text(), QStringLiteral("A"));
    QCOMPARE(itemsOf(dialog.ComboBox(2)), (QStringList{"нет", "Растениеводство", "Лесоводство"}));
    QCOMPARE(itemsOf(dialog.ComboBox(3)), (QStringList{"нет", "Прочее", "Прочее"}));
    QCOMPARE(itemsOf(dialog.ComboBox(4)), (QStringList{"нет", "Выращивание"}));
    for (int level = 2; level <= 6; ++level)
        QCOMPARE(dialog.ComboBox(level)->currentIndex(), 0);

    // The second of two entries named "Прочее" gives its own code.
    dialog.ComboBox(3)->setCurrentIndex(2);
    QCOMPARE(dialog.edOKV()->text(), QStringLiteral("02.1"));
    QCOMPARE(QString::fromStdString(dialog.Chosen()->kod), QStringLiteral("A02.1"));
    QCOMPARE(QString::fromStdString(dialog.Chosen()->name), QStringLiteral("Прочее"));
    QCOMPARE(itemsOf(dialog.ComboBox(4)), QStringList{"нет"});

    // "нет" on level 2 clears the deeper lists but keeps the chosen code.
    dialog.ComboBox(2)->setCurrentIndex(1);
    QCOMPARE(dialog.edOKV()->text(), QStringLiteral("01"));
    dialog.ComboBox(2)->setCurrentIndex(0);
    for (int level = 3; level <= 6; ++level)
        QCOMPARE(itemsOf(dialog.ComboBox(level)), QStringList{"нет"});
    QCOMPARE(dialog.edOKV()->text(), QStringLiteral("01"));
    QCOMPARE(QString::fromStdString(dialog.Chosen()->okved), QStringLiteral("01"));
    QCOMPARE(itemsOf(dialog.ComboBox(2)), (QStringList{"нет", "Растениеводство", "Лесоводство"}));
}

void DictDialogsTest::okvedChooserConfirmsOnlyAChosenLongEnoughCode_data() {
    QTest::addColumn<QList<int>>("picks"); // row picked on levels 1, 2, ...
    QTest::addColumn<bool>("answerFix");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("kod");
    QTest::addRow("nothing chosen") << QList<int>{} << false << 0 << false << QString();
    QTest::addRow("short code, Исправить") << QList<int>{1, 1} << true << 1 << false << "A01";
    QTest::addRow("short code, Пропустить") << QList<int>{1, 1} << false << 1 << true << "A01";
    QTest::addRow("four characters") << QList<int>{1, 1, 1} << false << 0 << true << "A01.1";
}

void DictDialogsTest::okvedChooserConfirmsOnlyAChosenLongEnoughCode() {
    QFETCH(QList<int>, picks);
    QFETCH(bool, answerFix);
    QFETCH(int, questions);
    QFETCH(bool, accepted);
    QFETCH(QString, kod);
    TFormOKVED dialog(nullptr, &okved_);
    int asked = 0;
    QString askedSection;
    QString askedMessage;
    dialog.SetShortCodeQuestion([&](const QString& section, const QString& message) {
        ++asked;
        askedSection = section;
        askedMessage = message;
        return answerFix;
    });
    for (int level = 1; level <= picks.size(); ++level)
        dialog.ComboBox(level)->setCurrentIndex(picks[level - 1]);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.bnYes()->isEnabled(), !picks.isEmpty());

    dialog.ComboBox(picks.isEmpty() ? 1 : picks.size())->setFocus();
    QTest::keyClick(dialog.ComboBox(picks.isEmpty() ? 1 : picks.size()), Qt::Key_Return);
    QCOMPARE(asked, questions);
    if (questions > 0) {
        QCOMPARE(askedSection, QStringLiteral("ОКВЭД"));
        QCOMPARE(askedMessage, QStringLiteral("Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"));
    }
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.Chosen() ? QString::fromStdString(dialog.Chosen()->kod) : QString(), kod);

    QTest::keyClick(dialog.edOKV(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void DictDialogsTest::okvedEnterInAnOpenListPicksTheItem() {
    TFormOKVED dialog(nullptr, &okved_);
    QComboBox* combo = dialog.ComboBox(1);
    // Twice: the second time the drop-down list already exists when the dialog is shown.
    for (int row : {1, 2}) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        combo->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QCOMPARE(combo->currentIndex(), row);
        QCOMPARE(dialog.edOKV()->text(), row == 1 ? QStringLiteral("A") : QStringLiteral("B"));
        QVERIFY(stillOpen(dialog));
        dialog.hide();
    }
}

void DictDialogsTest::okvedChooserWithoutClassifier() {
    TFormOKVED dialog(nullptr, nullptr);
    for (int level = 1; level <= 6; ++level) {
        QCOMPARE(itemsOf(dialog.ComboBox(level)), QStringList{"нет"});
        dialog.ComboBox(level)->setCurrentIndex(0);
    }
    QCOMPARE(dialog.edOKV()->text(), QStringLiteral("нет"));
    QVERIFY(!dialog.bnYes()->isEnabled());
    dialog.Confirm();
    QVERIFY(dialog.result() != QDialog::Accepted);
    QVERIFY(!dialog.Chosen());
}

QTEST_MAIN(DictDialogsTest)
#include "DictDialogsTest.moc"
