// The conditions page: what it shows for a stored return, its click rules and
// their effect on the main window's buttons, what it stores, its checks.
#include "GuiTestSupport.h"
#include "model/DeclClasses.h"
#include "pages/FrameInitialData.h"
#include "pages/MaskedEdit.h"
#include "pages/UpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace velmar;

namespace {

// A page built the way the main window builds it: a return in the slot and
// `PageLoading` set while the page loads.
struct Fixture {
    test::FakeServices services;
    test::ChangeCounter changes{&services};
    DeclarationSlot slot = std::make_unique<mTDeclaration>();
    std::unique_ptr<TfrInitialData> page;

    Fixture() {
        slot->SetIncomeKinds(kIncomeRF);
        slot->AutoCountSheets = 1;
    }
    TfrInitialData& build() {
        page.reset();
        services.loading = true;
        page = std::make_unique<TfrInitialData>(nullptr, slot, services);
        services.loading = false;
        return *page;
    }
    template <class T>
    T* find(const char* name) const {
        T* widget = page->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QRadioButton* radio(const char* name) const { return find<QRadioButton>(name); }
    QCheckBox* box(const char* name) const { return find<QCheckBox>(name); }
    TMaskedEdit* edit(const char* name) const { return find<TMaskedEdit>(name); }
    bool button(TPageId id) const { return services.PageButtonEnabled(id); }
};

} // namespace

class InitialPageTest : public QObject {
    Q_OBJECT
private slots:
    void newReturnLoadsWithoutCountingAsAChange();
    void aLaterEditCounts();
    void fourNdflMovesOtherCategoriesToEntrepreneur();
    void nonResidentDropsBusinessAndDeductions();
    void uncheckingRussianIncomeDiscardsAtOnceAfterAsking();
    void refusingToDiscardKeepsTheBox();
    void fourNdflWithRussianRecordsAsksFirst();
    void legalRepresentativeFallsBackOnThreeNdfl();
    void investmentBoxEnablesDeductionsOnlyForThreeNdfl();
    void storedValuesShowAndSaveBack_data();
    void storedValuesShowAndSaveBack();
    void representativeTextsSavedOnlyWhenEnabled();
    void numbersAndSigningDate();
    void checkDataAnswers_data();
    void checkDataAnswers();
    void withoutDirectoryTheCodeIsTyped();
    void directoryChoosesTheCode();
};

void InitialPageTest::newReturnLoadsWithoutCountingAsAChange() {
    Fixture f;
    f.build();
    QVERIFY(f.box("chbIncomeInquiry")->isChecked());
    QVERIFY(f.button(TPageId::RussianIncome));
    QVERIFY(f.button(TPageId::Deduction));
    QVERIFY(f.changes.received > 0);
    QCOMPARE(f.changes.counted, 0);
    QVERIFY(f.radio("rbSimple")->isChecked());
    QVERIFY(f.radio("rbFLProch")->isChecked());
    QVERIFY(f.radio("rbGiveSelf")->isChecked());
    QCOMPARE(f.edit("meNumVer")->text(), QStringLiteral("0"));
    QVERIFY(f.edit("meSupposeIncome")->isHidden());
    QVERIFY(f.edit("meUL")->isHidden());
    QVERIFY(f.radio("rbGiveByMail")->isHidden());
    QVERIFY(!f.edit("meFIO")->isEnabled());
    QVERIFY(!f.find<QLabel>("lbFIO")->isEnabled());
    QVERIFY(f.page->findChild<QWidget*>(QStringLiteral("gbAppendixes"))->isHidden());
    QVERIFY(f.page->findChild<QWidget*>(QStringLiteral("dtGetDate"))->isHidden());
}

void InitialPageTest::aLaterEditCounts() {
    Fixture f;
    f.build();
    f.edit("meNumVer")->setText(QStringLiteral("2"));
    QCOMPARE(f.changes.counted, 1);
    f.radio("rbNotarius")->click();
    QCOMPARE(f.changes.counted, 2);
}

void InitialPageTest::fourNdflMovesOtherCategoriesToEntrepreneur() {
    Fixture f;
    f.build();
    f.radio("rb4ndfl")->click();
    QVERIFY(f.radio("rbPredp")->isChecked());
    QVERIFY(!f.radio("rbFLProch")->isEnabled());
    QVERIFY(!f.radio("rbArbitr")->isEnabled());
    QVERIFY(f.radio("rbFermer")->isEnabled());
    for (const char* name : {"chbIncomeInquiry", "chbIncomeCurrency", "chbIncomeBusiness", "chbInvestTov"}) {
        QVERIFY2(!f.box(name)->isChecked(), name);
        QVERIFY2(!f.box(name)->isEnabled(), name);
    }
    QVERIFY(!f.button(TPageId::RussianIncome));
    QVERIFY(!f.button(TPageId::Deduction));
    QVERIFY(!f.edit("meSupposeIncome")->isHidden());
    QVERIFY(f.edit("meSupposeIncome")->isEnabled());
    QVERIFY(!f.radio("rbGiveByMail")->isHidden());
    QVERIFY(!f.edit("meUL")->isHidden());
    QVERIFY(!f.find<QLabel>("lbComment")->isEnabled());
    QVERIFY2(f.services.questions.isEmpty(), "nothing to lose, nothing to ask");

    f.radio("rbSimple")->click();
    QVERIFY(f.radio("rbFLProch")->isEnabled());
    QVERIFY2(f.radio("rbPredp")->isChecked(), "going back does not change the category");
    QVERIFY(f.box("chbIncomeInquiry")->isEnabled());
}

void InitialPageTest::nonResidentDropsBusinessAndDeductions() {
    Fixture f;
    f.slot->SetIncomeKinds(kIncomeRF | kIncomeBusiness);
    f.slot->EstimatedIncome = Currency::fromRoubles(50000);
    f.build();
    QVERIFY(f.box("chbIncomeBusiness")->isChecked());
    QCOMPARE(f.edit("meSupposeIncome")->text(), QStringLiteral("50000"));
    QVERIFY(f.button(TPageId::BusinessIncome));
    f.radio("rbNeRez")->click();
    QVERIFY(!f.box("chbIncomeBusiness")->isChecked());
    QVERIFY(!f.box("chbIncomeBusiness")->isEnabled());
    QVERIFY(!f.box("chbIncomeCurrency")->isEnabled());
    QCOMPARE(f.edit("meSupposeIncome")->text(), QString());
    QVERIFY(!f.button(TPageId::BusinessIncome));
    QVERIFY(!f.button(TPageId::Deduction));
    QVERIFY(f.box("chbIncomeInquiry")->isChecked());
    f.page->SaveData();
    QCOMPARE(f.slot->ReturnKind, kReturnNonResident);
    QCOMPARE(f.slot->IncomeKinds, kIncomeRF);
    QCOMPARE(f.slot->EstimatedIncome, Currency());
}

void InitialPageTest::uncheckingRussianIncomeDiscardsAtOnceAfterAsking() {
    Fixture f;
    f.slot->Sources13.Add();
    f.slot->Sources9.Add();
    f.slot->MonthsWorked = 5;
    f.build();
    f.services.confirmAnswer = true;
    f.box("chbIncomeInquiry")->click();
    QCOMPARE(f.services.questions.size(), 1);
    QCOMPARE(f.slot->Sources13.Count(), 0u);
    QCOMPARE(f.slot->Sources9.Count(), 0u);
    QCOMPARE(f.slot->MonthsWorked, 0);
    QVERIFY(!f.button(TPageId::RussianIncome));
    QVERIFY(!f.button(TPageId::Deduction));
    f.box("chbIncomeInquiry")->click();
    QVERIFY(f.button(TPageId::RussianIncome));
    f.page->SaveData();
    QCOMPARE(f.slot->IncomeKinds, kIncomeRF);
    QCOMPARE(f.slot->Sources13.Count(), 0u); // checking the box again does not bring the records back
}

void InitialPageTest::refusingToDiscardKeepsTheBox() {
    Fixture f;
    f.slot->Sources13.Add();
    f.build();
    const int counted = f.changes.counted;
    f.services.confirmAnswer = false;
    f.box("chbIncomeInquiry")->click();
    QCOMPARE(f.services.questions.size(), 1);
    QVERIFY(f.box("chbIncomeInquiry")->isChecked());
    QCOMPARE(f.slot->Sources13.Count(), 1u);
    QVERIFY(f.button(TPageId::RussianIncome));
    QCOMPARE(f.changes.counted, counted);
    f.page->SaveData();
    QCOMPARE(f.slot->Sources13.Count(), 1u);
}

void InitialPageTest::fourNdflWithRussianRecordsAsksFirst() {
    Fixture f;
    f.slot->DividendSources.Add();
    f.build();
    f.radio("rbNeRez")->click();
    f.services.confirmAnswer = false;
    f.radio("rb4ndfl")->click();
    QCOMPARE(f.services.questions.size(), 1);
    QVERIFY(f.radio("rbNeRez")->isChecked());
    QVERIFY(f.box("chbIncomeInquiry")->isChecked());
    QVERIFY(f.box("chbIncomeInquiry")->isEnabled());
    QCOMPARE(f.slot->DividendSources.Count(), 1u);

    f.services.confirmAnswer = true;
    f.radio("rb4ndfl")->click();
    QCOMPARE(f.services.questions.size(), 2); // one question for the whole choice
    QVERIFY(f.radio("rb4ndfl")->isChecked());
    QCOMPARE(f.slot->DividendSources.Count(), 0u);
}

void InitialPageTest::legalRepresentativeFallsBackOnThreeNdfl() {
    Fixture f;
    f.slot->ReturnKind = kReturn4NDFL;
    f.slot->SetIncomeKinds(0);
    f.slot->ConfirmationKind = 2;
    f.slot->RepresentativeName = "Петров П. П.";
    f.slot->RepresentativeDocument = "Доверенность 15";
    f.slot->RepresentativeOrganisation = "ООО \"Представитель\"";
    f.build();
    QVERIFY(f.radio("rbGiveByMail")->isChecked());
    QVERIFY(f.edit("meUL")->isEnabled());
    f.radio("rbSimple")->click();
    QVERIFY(f.radio("rbGiveTrustFase")->isChecked());
    QVERIFY(f.edit("meUL")->isHidden());
    QVERIFY(f.radio("rbGiveByMail")->isHidden());
    QCOMPARE(f.edit("meUL")->text(), QStringLiteral("ООО \"Представитель\""));
    f.page->SaveData();
    QCOMPARE(f.slot->ConfirmationKind, 1);
    QCOMPARE(f.slot->RepresentativeOrganisation, std::string());
    QCOMPARE(f.slot->RepresentativeName, std::string("Петров П. П."));
}

void InitialPageTest::investmentBoxEnablesDeductionsOnlyForThreeNdfl() {
    Fixture f;
    f.slot->SetIncomeKinds(0);
    f.build();
    f.radio("rbNeRez")->click();
    f.box("chbInvestTov")->click();
    QVERIFY(f.button(TPageId::InvestTov));
    QVERIFY(!f.button(TPageId::Deduction));
    f.radio("rbSimple")->click();
    f.box("chbInvestTov")->click();
    f.box("chbInvestTov")->click();
    QVERIFY(f.button(TPageId::Deduction));
    f.box("chbInvestTov")->click();
    QVERIFY(!f.button(TPageId::Deduction));
    QVERIFY(!f.button(TPageId::InvestTov));
}

void InitialPageTest::storedValuesShowAndSaveBack_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("saved");
    QTest::newRow("entrepreneur") << 0 << "rbPredp" << 0;
    QTest::newRow("farmer") << 1 << "rbFermer" << 1;
    QTest::newRow("notary") << 2 << "rbNotarius" << 2;
    QTest::newRow("lawyer") << 3 << "rbAdvokat" << 3;
    QTest::newRow("unused 4") << 4 << "rbFLProch" << 5;
    QTest::newRow("other") << 5 << "rbFLProch" << 5;
    QTest::newRow("arbitration") << 6 << "rbArbitr" << 6;
}

void InitialPageTest::storedValuesShowAndSaveBack() {
    QFETCH(int, category);
    QFETCH(QString, radio);
    QFETCH(int, saved);
    Fixture f;
    f.slot->TaxpayerCategory = static_cast<uint8_t>(category);
    f.slot->InspectionCode = "7713";
    f.slot->CorrectionNumber = 3;
    f.slot->SetIncomeKinds(kIncomeCurrency | kIncomeInvestTov);
    f.build();
    QVERIFY(f.radio(radio.toLatin1().constData())->isChecked());
    QCOMPARE(f.edit("meInspection")->text(), QStringLiteral("7713"));
    QCOMPARE(f.edit("meNumVer")->text(), QStringLiteral("3"));
    QVERIFY(!f.box("chbIncomeInquiry")->isChecked());
    QVERIFY(f.box("chbIncomeCurrency")->isChecked());
    QVERIFY(f.box("chbInvestTov")->isChecked());
    QVERIFY(f.button(TPageId::ForeignIncome));
    QVERIFY(f.button(TPageId::InvestTov));
    f.page->SaveData();
    QCOMPARE(int(f.slot->TaxpayerCategory), saved);
    QCOMPARE(f.slot->IncomeKinds, kIncomeCurrency | kIncomeInvestTov);
    QCOMPARE(f.slot->InspectionCode, std::string("7713"));
    QCOMPARE(f.slot->CorrectionNumber, 3);
    QCOMPARE(f.slot->ReturnKind, kReturnResident);
    QCOMPARE(f.changes.counted, 0); // storing is not a change
}

void InitialPageTest::representativeTextsSavedOnlyWhenEnabled() {
    Fixture f;
    f.slot->ConfirmationKind = 1;
    f.slot->RepresentativeName = "Сидоров";
    f.slot->RepresentativeDocument = "Доверенность";
    f.slot->RepresentativeOrganisation = "Старая организация";
    f.build();
    f.page->SaveData();
    QCOMPARE(f.slot->RepresentativeName, std::string("Сидоров"));
    QCOMPARE(f.slot->RepresentativeDocument, std::string("Доверенность"));
    QCOMPARE(f.slot->RepresentativeOrganisation, std::string());
    f.radio("rbGiveSelf")->click();
    QVERIFY(!f.edit("meFIO")->isEnabled());
    QCOMPARE(f.edit("meFIO")->text(), QStringLiteral("Сидоров")); // kept on screen
    f.page->SaveData();
    QCOMPARE(f.slot->ConfirmationKind, 0);
    QCOMPARE(f.slot->RepresentativeName, std::string());
}

void InitialPageTest::numbersAndSigningDate() {
    Fixture f;
    f.slot->SigningDate.days = 42369.5; // with a time of day
    f.slot->SupportingSheets = 4;
    f.slot->ReturnKind = kReturn4NDFL;
    f.slot->SetIncomeKinds(0);
    f.build();
    f.edit("meNumVer")->setText(QString());
    f.edit("meSupposeIncome")->setText(QStringLiteral("150000"));
    f.page->SaveData();
    QCOMPARE(f.slot->CorrectionNumber, 0);
    QCOMPARE(f.slot->EstimatedIncome, Currency::fromRoubles(150000));
    QCOMPARE(f.slot->SigningDate.days, 42369.5);
    QCOMPARE(f.slot->AutoCountSheets, 0);
    QCOMPARE(f.slot->SupportingSheets, 4);

    auto* upDown = f.find<TUpDown>("updCorr");
    f.edit("meNumVer")->setText(QStringLiteral("998"));
    upDown->Step(1);
    upDown->Step(1);
    QCOMPARE(f.edit("meNumVer")->text(), QStringLiteral("999"));
    f.edit("meNumVer")->setText(QString());
    upDown->Step(-1);
    QCOMPARE(f.edit("meNumVer")->text(), QStringLiteral("0"));
}

void InitialPageTest::checkDataAnswers_data() {
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("shown");
    QTest::newRow("fix the first") << QList<int>{kCheckFix} << 1 << 1;
    QTest::newRow("skip then fix") << QList<int>{kCheckSkip, kCheckFix} << 3 << 2;
    QTest::newRow("skip, skip, fix") << QList<int>{kCheckSkip, kCheckSkip, kCheckFix} << 4 << 3;
    QTest::newRow("skip every one") << QList<int>{kCheckSkip, kCheckSkip, kCheckSkip, kCheckSkip} << 0 << 4;
    QTest::newRow("skip all") << QList<int>{kCheckSkipAll} << 0 << 1;
    QTest::newRow("closed counts as skip") << QList<int>{kCheckClosed, kCheckClosed, kCheckClosed, kCheckFix}
                                           << 5 << 4;
}

void InitialPageTest::checkDataAnswers() {
    QFETCH(QList<int>, answers);
    QFETCH(int, result);
    QFETCH(int, shown);
    Fixture f;
    f.slot->ReturnKind = kReturn4NDFL;
    f.slot->SetIncomeKinds(0);
    f.slot->ConfirmationKind = 2;
    f.build();
    for (int a : answers)
        f.services.checkAnswers.push_back(a);
    f.page->SaveData();
    QCOMPARE(int(f.page->CheckData()), result);
    QCOMPARE(int(f.services.checks.size()), shown);
    const QStringList messages{QStringLiteral("Не введен номер инспекции"),
                               QStringLiteral("Не указаны ФИО подписанта-представителя"),
                               QStringLiteral("Не указан документ, подтверждающий полномочия представителя"),
                               QStringLiteral("Не указано наименование Юр.лица-представителя")};
    for (int i = 0; i < shown; ++i) {
        QCOMPARE(f.services.checks[i].message, messages[i]);
        QCOMPARE(f.services.checks[i].section, QStringLiteral("Задание условий"));
        QVERIFY(f.services.checks[i].skipEnabled && f.services.checks[i].skipAllEnabled);
    }
}

void InitialPageTest::withoutDirectoryTheCodeIsTyped() {
    Fixture f;
    TfrInitialData& page = f.build();
    QVERIFY(!f.find<QPushButton>("bnInspection")->isEnabled());
    QVERIFY(f.edit("meInspection")->isEnabled());
    page.show();
    QApplication::setActiveWindow(&page);
    QVERIFY(QTest::qWaitForWindowActive(&page));
    page.FocusError(1);
    QTRY_VERIFY(f.edit("meInspection")->hasFocus());
    QTest::keyClicks(f.edit("meInspection"), QStringLiteral("77a015"));
    QCOMPARE(f.edit("meInspection")->text(), QStringLiteral("7701"));
    f.radio("rbGiveTrustFase")->click();
    page.FocusError(3);
    QTRY_VERIFY(f.edit("meFIO")->hasFocus());
    page.FocusError(4);
    QTRY_VERIFY(f.edit("meOsn")->hasFocus());
    f.edit("meFIO")->setText(QStringLiteral("Петров"));
    f.edit("meOsn")->setText(QStringLiteral("Доверенность"));
    page.SaveData();
    QCOMPARE(f.slot->InspectionCode, std::string("7701"));
    QCOMPARE(page.CheckData(), uint16_t(0));
}

void InitialPageTest::directoryChoosesTheCode() {
    Fixture f;
    test::FakeDirectory directory{QStringLiteral("7701")};
    f.services.inspections = &directory;
    f.slot->InspectionCode = "5001";
    TfrInitialData& page = f.build();
    QVERIFY(f.find<QPushButton>("bnInspection")->isEnabled());
    QVERIFY(!f.edit("meInspection")->isEnabled());
    QCOMPARE(f.edit("meInspection")->focusPolicy(), Qt::NoFocus);
    page.FocusError(1);
    QCOMPARE(directory.shownWith, QStringList{QStringLiteral("5001")});
    QCOMPARE(f.edit("meInspection")->text(), QStringLiteral("7701"));
    QVERIFY(f.changes.counted >= 1);
    const int counted = f.changes.counted;
    f.find<QPushButton>("bnInspection")->click();
    QCOMPARE(directory.shownWith.size(), 2);
    QCOMPARE(f.changes.counted, counted); // the same code chosen again changes nothing
    page.SaveData();
    QCOMPARE(f.slot->InspectionCode, std::string("7701"));
}

QTEST_MAIN(InitialPageTest)
#include "InitialPageTest.moc"
