#include "pages/FrameInitialData.h"

#include "model/DeclClasses.h"
#include "pages/DeclChanged.h"
#include "pages/InitialDataRules.h"
#include "pages/MaskedEdit.h"
#include "pages/UpDown.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velmar {
namespace {

const QString kSection = QStringLiteral("Задание условий");

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title) {
    return named(new QGroupBox(title, parent), name);
}

QDate toQDate(TDateTime value) {
    const std::optional<CivilDate> civil = decodeDate(value);
    if (!civil)
        return {};
    return QDate(civil->year, civil->month, civil->day);
}

} // namespace

TfrInitialData::TfrInitialData(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services)
    : TThinkingFrame(parent, declarationRef, services) {
    setObjectName(QStringLiteral("TfrInitialData"));
    buildControls();
    loadControls();
}

void TfrInitialData::buildControls() {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 10, 12, 10);
    page->setSpacing(8);

    // Тип декларации
    auto* gbType = group(this, "gbDeclType", QStringLiteral("  Тип декларации"));
    rbSimple_ = named(new QRadioButton(QStringLiteral("3-НДФЛ"), gbType), "rbSimple");
    rbNeRez_ = named(new QRadioButton(QStringLiteral("3-НДФЛ нерезидента"), gbType), "rbNeRez");
    rb4ndfl_ = named(new QRadioButton(QStringLiteral("4-НДФЛ"), gbType), "rb4ndfl");
    auto* typeRow = new QHBoxLayout(gbType);
    typeRow->setSpacing(28);
    typeRow->addWidget(rbSimple_);
    typeRow->addWidget(rbNeRez_);
    typeRow->addWidget(rb4ndfl_);
    typeRow->addStretch(1);
    rbSimple_->setChecked(true);
    page->addWidget(gbType);

    // Общая информация
    auto* gbInfo = group(this, "gbCommonInfo", QStringLiteral("  Общая информация"));
    auto* info = new QGridLayout(gbInfo);
    info->setHorizontalSpacing(10);
    info->setVerticalSpacing(6);
    lbInspection_ = named(new QLabel(QStringLiteral("Номер инспекции"), gbInfo), "lbInspection");
    meInspection_ = named(new TMaskedEdit(gbInfo), "meInspection");
    meInspection_->SetEditType(edtDigital);
    meInspection_->SetWholeLength(4);
    meInspection_->setFixedWidth(64);
    lbInspection_->setBuddy(meInspection_);
    bnInspection_ = named(new QPushButton(QStringLiteral("..."), gbInfo), "bnInspection");
    bnInspection_->setFixedWidth(32);
    bnInspection_->setToolTip(QStringLiteral("Выбрать инспекцию из справочника"));
    auto* inspectionRow = new QHBoxLayout;
    inspectionRow->addWidget(meInspection_);
    inspectionRow->addWidget(bnInspection_);
    inspectionRow->addStretch(1);
    info->addWidget(lbInspection_, 0, 0);
    info->addLayout(inspectionRow, 0, 1);

    lbNumVer_ = named(new QLabel(QStringLiteral("Номер корректировки"), gbInfo), "lbNumVer");
    meNumVer_ = named(new TMaskedEdit(gbInfo), "meNumVer");
    meNumVer_->SetEditType(edtDigital);
    meNumVer_->SetWholeLength(3);
    meNumVer_->setFixedWidth(64);
    lbNumVer_->setBuddy(meNumVer_);
    updCorr_ = named(new TUpDown(meNumVer_, 0, 999, gbInfo), "updCorr");
    auto* corrRow = new QHBoxLayout;
    corrRow->setSpacing(2);
    corrRow->addWidget(meNumVer_);
    corrRow->addWidget(updCorr_);
    corrRow->addStretch(1);
    info->addWidget(lbNumVer_, 1, 0);
    info->addLayout(corrRow, 1, 1);

    lbSupposeIncome_ = named(new QLabel(QStringLiteral("Предполагаемый доход"), gbInfo), "lbSupposeIncome");
    meSupposeIncome_ = named(new TMaskedEdit(gbInfo), "meSupposeIncome");
    meSupposeIncome_->SetEditType(edtDigital);
    meSupposeIncome_->SetWholeLength(12);
    meSupposeIncome_->setFixedWidth(140);
    meSupposeIncome_->setAlignment(Qt::AlignRight);
    lbSupposeIncome_->setBuddy(meSupposeIncome_);
    auto* incomeRow = new QHBoxLayout;
    incomeRow->addWidget(meSupposeIncome_);
    incomeRow->addStretch(1);
    info->addWidget(lbSupposeIncome_, 2, 0);
    info->addLayout(incomeRow, 2, 1);
    info->setColumnStretch(1, 1);

    // The date of signing is set when a return is created; it has no place on screen.
    dtGetDate_ = named(new QDateEdit(gbInfo), "dtGetDate");
    dtGetDate_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtGetDate_->setMinimumDate(QDate(1900, 1, 1));
    dtGetDate_->hide();

    // The count of supporting sheets is kept hidden.
    gbAppendixes_ = group(gbInfo, "gbAppendixes", QStringLiteral("Общее число листов подтверждающих документов"));
    meAppendixes_ = named(new TMaskedEdit(gbAppendixes_), "meAppendixes");
    meAppendixes_->SetEditType(edtDigital);
    meAppendixes_->SetWholeLength(4);
    chbAutoCalculateApp_ =
        named(new QCheckBox(QStringLiteral("Автоматический подсчет"), gbAppendixes_), "chbAutoCalculateApp");
    auto* appRow = new QHBoxLayout(gbAppendixes_);
    appRow->addWidget(meAppendixes_);
    appRow->addWidget(chbAutoCalculateApp_);
    gbAppendixes_->hide();
    page->addWidget(gbInfo);

    // Признак налогоплательщика
    auto* gbCategory = group(this, "gbCategory", QStringLiteral("  Признак налогоплательщика"));
    rbPredp_ = named(new QRadioButton(QStringLiteral("Индивидуальный предприниматель"), gbCategory), "rbPredp");
    rbFermer_ = named(new QRadioButton(QStringLiteral("Глава фермерского хозяйства"), gbCategory), "rbFermer");
    rbNotarius_ = named(new QRadioButton(QStringLiteral("Частный нотариус"), gbCategory), "rbNotarius");
    rbAdvokat_ = named(new QRadioButton(QStringLiteral("Адвокат"), gbCategory), "rbAdvokat");
    rbFLProch_ = named(new QRadioButton(QStringLiteral("Иное физическое лицо"), gbCategory), "rbFLProch");
    rbArbitr_ = named(new QRadioButton(QStringLiteral("Арбитражный управляющий"), gbCategory), "rbArbitr");
    auto* categories = new QGridLayout(gbCategory);
    categories->setHorizontalSpacing(28);
    categories->setVerticalSpacing(6);
    categories->addWidget(rbPredp_, 0, 0);
    categories->addWidget(rbFermer_, 0, 1);
    categories->addWidget(rbNotarius_, 1, 0);
    categories->addWidget(rbAdvokat_, 1, 1);
    categories->addWidget(rbFLProch_, 2, 0);
    categories->addWidget(rbArbitr_, 2, 1);
    categories->setColumnStretch(2, 1);
    rbFLProch_->setChecked(true);
    page->addWidget(gbCategory);

    // Имеются доходы
    auto* gbIncome = group(this, "gbIncomeKinds", QStringLiteral("  Имеются доходы"));
    chbIncomeInquiry_ = named(
        new QCheckBox(QStringLiteral("Учитываемые \"справками о доходах физического лица\", доходы по договорам"),
                      gbIncome),
        "chbIncomeInquiry");
    lbComment_ = named(
        new QLabel(QStringLiteral("гр.-правового характера, авторским вознаграждениям, от продажи имущества и др."),
                   gbIncome),
        "lbComment");
    chbIncomeCurrency_ = named(new QCheckBox(QStringLiteral("В иностранной валюте"), gbIncome), "chbIncomeCurrency");
    chbIncomeBusiness_ =
        named(new QCheckBox(QStringLiteral("От предпринимательской деятельности"), gbIncome), "chbIncomeBusiness");
    chbInvestTov_ =
        named(new QCheckBox(QStringLiteral("От участия в инвестиционных товариществах"), gbIncome), "chbInvestTov");
    auto* incomes = new QVBoxLayout(gbIncome);
    incomes->setSpacing(4);
    incomes->addWidget(chbIncomeInquiry_);
    auto* commentRow = new QHBoxLayout;
    // The comment line continues the first box's caption, under its text.
    commentRow->addSpacing(chbIncomeInquiry_->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                           chbIncomeInquiry_->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    commentRow->addWidget(lbComment_, 1);
    incomes->addLayout(commentRow);
    incomes->addWidget(chbIncomeCurrency_);
    incomes->addWidget(chbIncomeBusiness_);
    incomes->addWidget(chbInvestTov_);
    page->addWidget(gbIncome);

    // Достоверность подтверждается
    auto* gbSigner = group(this, "gbSigner", QStringLiteral("  Достоверность подтверждается"));
    rbGiveSelf_ = named(new QRadioButton(QStringLiteral("Лично"), gbSigner), "rbGiveSelf");
    rbGiveTrustFase_ = named(new QRadioButton(QStringLiteral("Представителем - ФЛ"), gbSigner), "rbGiveTrustFase");
    rbGiveByMail_ = named(new QRadioButton(QStringLiteral("Представителем - ЮЛ"), gbSigner), "rbGiveByMail");
    auto* signer = new QVBoxLayout(gbSigner);
    auto* signerRow = new QHBoxLayout;
    signerRow->setSpacing(28);
    signerRow->addWidget(rbGiveSelf_);
    signerRow->addWidget(rbGiveTrustFase_);
    signerRow->addWidget(rbGiveByMail_);
    signerRow->addStretch(1);
    signer->addLayout(signerRow);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    lbFIO_ = named(new QLabel(QStringLiteral("ФИО"), gbSigner), "lbFIO");
    meFIO_ = named(new TMaskedEdit(gbSigner), "meFIO");
    meFIO_->SetEditType(edtNone);
    meFIO_->SetWholeLength(182);
    lbOsn_ = named(new QLabel(QStringLiteral("Документ"), gbSigner), "lbOsn");
    meOsn_ = named(new TMaskedEdit(gbSigner), "meOsn");
    meOsn_->SetEditType(edtNone);
    lbUL_ = named(new QLabel(QStringLiteral("Организация - представитель"), gbSigner), "lbUL");
    meUL_ = named(new TMaskedEdit(gbSigner), "meUL");
    meUL_->SetEditType(edtNone);
    meUL_->SetWholeLength(182);
    int row = 0;
    for (auto [label, edit] : {std::pair<QLabel*, TMaskedEdit*>{lbFIO_, meFIO_}, {lbOsn_, meOsn_}, {lbUL_, meUL_}}) {
        label->setBuddy(edit);
        edit->setMaximumWidth(620);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        ++row;
    }
    fields->setColumnStretch(2, 1);
    fields->setColumnMinimumWidth(1, 360);
    signer->addLayout(fields);
    signer->addStretch(1);
    rbGiveSelf_->setChecked(true);
    page->addWidget(gbSigner, 1);

    // Design state: the state of a 3-НДФЛ return signed in person.
    for (QWidget* w : {static_cast<QWidget*>(lbFIO_), static_cast<QWidget*>(meFIO_), static_cast<QWidget*>(lbOsn_),
                       static_cast<QWidget*>(meOsn_), static_cast<QWidget*>(lbUL_), static_cast<QWidget*>(meUL_)})
        w->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(lbSupposeIncome_), static_cast<QWidget*>(meSupposeIncome_),
                       static_cast<QWidget*>(lbUL_), static_cast<QWidget*>(meUL_), static_cast<QWidget*>(rbGiveByMail_)})
        w->hide();
    meSupposeIncome_->setEnabled(false);

    connect(rbSimple_, &QRadioButton::clicked, this, [this] { rbSimpleClick(); });
    connect(rbNeRez_, &QRadioButton::clicked, this, [this] { rbNeRezClick(); });
    connect(rb4ndfl_, &QRadioButton::clicked, this, [this] { rb4ndflClick(); });
    connect(chbIncomeInquiry_, &QCheckBox::clicked, this, [this] { chbIncomeInquiryClick(); });
    connect(chbIncomeCurrency_, &QCheckBox::clicked, this, [this] { chbIncomeCurrencyClick(); });
    connect(chbIncomeBusiness_, &QCheckBox::clicked, this, [this] { chbIncomeBusinessClick(); });
    connect(chbInvestTov_, &QCheckBox::clicked, this, [this] { chbInvestTovClick(); });
    connect(rbGiveSelf_, &QRadioButton::clicked, this, [this] { rbGiveSelfClick(); });
    connect(rbGiveTrustFase_, &QRadioButton::clicked, this, [this] { rbGiveTrustFaseClick(); });
    connect(rbGiveByMail_, &QRadioButton::clicked, this, [this] { rbGiveByMailClick(); });
    connect(chbAutoCalculateApp_, &QCheckBox::clicked, this, [this] { chbAutoCalculateAppClick(); });
    connect(bnInspection_, &QPushButton::clicked, this, [this] { bnInspectionClick(); });
    for (QRadioButton* category : {rbPredp_, rbFermer_, rbNotarius_, rbAdvokat_, rbFLProch_, rbArbitr_})
        connect(category, &QRadioButton::clicked, this, [] { SendDeclChanged(); });
    connect(dtGetDate_, &QDateEdit::dateChanged, this, [] { SendDeclChanged(); });
}

void TfrInitialData::loadControls() {
    const mTDeclaration& d = Declaration();
    meInspection_->setText(QString::fromStdString(d.InspectionCode));
    // Without a tax-office directory the code is typed in; with one it is only
    // chosen from the directory.
    const bool directory = Services().InspectionDirectory() != nullptr;
    meInspection_->setEnabled(!directory);
    meInspection_->setFocusPolicy(directory ? Qt::NoFocus : Qt::StrongFocus);

    loadedSigningDate_ = d.SigningDate.days;
    loadedSigningQDate_ = toQDate(d.SigningDate);
    if (loadedSigningQDate_.isValid())
        dtGetDate_->setDate(loadedSigningQDate_);

    meNumVer_->setText(QString::number(d.CorrectionNumber));
    meNumVer_->setEnabled(true);

    switch (d.ConfirmationKind) {
    case 1: selectRadio(rbGiveTrustFase_); break;
    case 2: selectRadio(rbGiveByMail_); break;
    default: break;
    }
    meFIO_->setText(QString::fromStdString(d.RepresentativeName));
    meOsn_->setText(QString::fromStdString(d.RepresentativeDocument));
    meUL_->setText(QString::fromStdString(d.RepresentativeOrganisation));

    switch (d.TaxpayerCategory) {
    case 0: selectRadio(rbPredp_); break;
    case 1: selectRadio(rbFermer_); break;
    case 2: selectRadio(rbNotarius_); break;
    case 3: selectRadio(rbAdvokat_); break;
    case 6: selectRadio(rbArbitr_); break;
    default: break; // 5, and the unused 4, show as "other individual"
    }

    setBox(chbIncomeInquiry_, d.IncomeKinds & kIncomeRF);
    setBox(chbIncomeCurrency_, d.IncomeKinds & kIncomeCurrency);
    setBox(chbIncomeBusiness_, d.IncomeKinds & kIncomeBusiness);
    setBox(chbInvestTov_, d.IncomeKinds & kIncomeInvestTov);

    const int64_t roubles = d.EstimatedIncome.units() / Currency::kUnitsPerRouble;
    meSupposeIncome_->setText(roubles > 0 ? QString::number(roubles) : QString());
    meAppendixes_->setText(QString::number(d.SupportingSheets));
    chbAutoCalculateApp_->setChecked(false);
    bnInspection_->setEnabled(directory);

    switch (d.ReturnKind) {
    case kReturnNonResident: selectRadio(rbNeRez_); break;
    case kReturn4NDFL: selectRadio(rb4ndfl_); break;
    default: break;
    }
    returnKindShown_ = shownReturnKind();
}

void TfrInitialData::setBox(QCheckBox* box, bool checked) {
    if (box->isChecked() == checked)
        return;
    box->setChecked(checked);
    runRule(box);
}

void TfrInitialData::selectRadio(QRadioButton* radio) {
    if (radio->isChecked())
        return;
    radio->setChecked(true);
    runRule(radio);
}

void TfrInitialData::runRule(QObject* control) {
    if (control == rbSimple_) rbSimpleClick();
    else if (control == rbNeRez_) rbNeRezClick();
    else if (control == rb4ndfl_) rb4ndflClick();
    else if (control == chbIncomeInquiry_) chbIncomeInquiryClick();
    else if (control == chbIncomeCurrency_) chbIncomeCurrencyClick();
    else if (control == chbIncomeBusiness_) chbIncomeBusinessClick();
    else if (control == chbInvestTov_) chbInvestTovClick();
    else if (control == rbGiveSelf_) rbGiveSelfClick();
    else if (control == rbGiveTrustFase_) rbGiveTrustFaseClick();
    else if (control == rbGiveByMail_) rbGiveByMailClick();
    else SendDeclChanged(); // the categories
}

int TfrInitialData::shownReturnKind() const {
    if (rbNeRez_->isChecked())
        return kReturnNonResident;
    if (rb4ndfl_->isChecked())
        return kReturn4NDFL;
    return kReturnResident;
}

bool TfrInitialData::anyIncomeBox() const {
    return chbIncomeInquiry_->isChecked() || chbIncomeCurrency_->isChecked() || chbIncomeBusiness_->isChecked() ||
           chbInvestTov_->isChecked();
}

bool TfrInitialData::mayDiscardRussianIncome() {
    if (discardConfirmed_ || Services().PageLoading() || !HasRussianIncomeData(Declaration()))
        return true;
    return Services().Confirm(QStringLiteral("Все введенные сведения о доходах, полученных в РФ, будут удалены. "
                                             "Продолжить?"));
}

void TfrInitialData::rbSimpleClick() {
    SendDeclChanged();
    for (QWidget* w : {static_cast<QWidget*>(chbIncomeInquiry_), static_cast<QWidget*>(chbIncomeCurrency_),
                       static_cast<QWidget*>(chbIncomeBusiness_), static_cast<QWidget*>(chbInvestTov_),
                       static_cast<QWidget*>(chbAutoCalculateApp_), static_cast<QWidget*>(lbComment_),
                       static_cast<QWidget*>(rbFermer_), static_cast<QWidget*>(rbFLProch_),
                       static_cast<QWidget*>(rbArbitr_)})
        w->setEnabled(true);
    Services().EnablePageButton(TPageId::Deduction, chbIncomeInquiry_->isChecked() ||
                                                        chbIncomeBusiness_->isChecked() ||
                                                        chbIncomeCurrency_->isChecked());
    hideEstimatedReturnControls();
    returnKindShown_ = kReturnResident;
}

// The annual returns have neither the estimated income nor a representative
// organisation; a signer kind that only 4-НДФЛ offers falls back to a
// representative who is a natural person.
void TfrInitialData::hideEstimatedReturnControls() {
    lbSupposeIncome_->hide();
    meSupposeIncome_->hide();
    lbUL_->hide();
    meUL_->hide();
    rbGiveByMail_->hide();
    if (rbGiveByMail_->isChecked())
        selectRadio(rbGiveTrustFase_);
}

void TfrInitialData::rbNeRezClick() {
    SendDeclChanged();
    setBox(chbIncomeCurrency_, false);
    setBox(chbIncomeBusiness_, false);
    chbIncomeCurrency_->setEnabled(false);
    chbIncomeBusiness_->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(chbInvestTov_), static_cast<QWidget*>(chbIncomeInquiry_),
                       static_cast<QWidget*>(chbAutoCalculateApp_), static_cast<QWidget*>(lbComment_),
                       static_cast<QWidget*>(rbFermer_), static_cast<QWidget*>(rbFLProch_),
                       static_cast<QWidget*>(rbArbitr_)})
        w->setEnabled(true);
    Services().EnablePageButton(TPageId::Deduction, false);
    hideEstimatedReturnControls();
    returnKindShown_ = kReturnNonResident;
}

void TfrInitialData::rb4ndflClick() {
    if (chbIncomeInquiry_->isChecked() && !mayDiscardRussianIncome()) {
        // Back to the kind shown before; nothing else has changed yet.
        QRadioButton* previous = returnKindShown_ == kReturnNonResident ? rbNeRez_ : rbSimple_;
        previous->setChecked(true);
        return;
    }
    SendDeclChanged();
    // The question, if there was one, has been answered; the box's own rule must not ask again.
    discardConfirmed_ = true;
    setBox(chbIncomeCurrency_, false);
    setBox(chbIncomeBusiness_, false);
    setBox(chbIncomeInquiry_, false);
    setBox(chbInvestTov_, false);
    discardConfirmed_ = false;
    for (QCheckBox* box : {chbIncomeCurrency_, chbIncomeBusiness_, chbIncomeInquiry_, chbInvestTov_})
        box->setEnabled(false);
    Services().EnablePageButton(TPageId::Deduction, false);
    chbAutoCalculateApp_->setEnabled(false);
    lbComment_->setEnabled(false);
    const bool otherCategory = rbFLProch_->isChecked() || rbArbitr_->isChecked();
    rbFLProch_->setEnabled(false);
    rbArbitr_->setEnabled(false);
    if (otherCategory)
        selectRadio(rbPredp_);
    gbAppendixes_->hide();
    lbSupposeIncome_->show();
    meSupposeIncome_->show();
    meSupposeIncome_->setEnabled(true);
    lbUL_->show();
    meUL_->show();
    rbGiveByMail_->show();
    returnKindShown_ = kReturn4NDFL;
}

void TfrInitialData::updateDeductionAfterBoxes(bool honourNonResident) {
    const bool enable = anyIncomeBox() && !(honourNonResident && rbNeRez_->isChecked());
    Services().EnablePageButton(TPageId::Deduction, enable);
}

void TfrInitialData::chbIncomeInquiryClick() {
    if (!chbIncomeInquiry_->isChecked() && !mayDiscardRussianIncome()) {
        chbIncomeInquiry_->setChecked(true);
        return;
    }
    SendDeclChanged();
    const bool on = chbIncomeInquiry_->isChecked();
    Services().EnablePageButton(TPageId::RussianIncome, on);
    if (!on)
        Declaration().SetIncomeKinds(Declaration().IncomeKinds & ~kIncomeRF);
    updateDeductionAfterBoxes(true);
}

void TfrInitialData::chbIncomeCurrencyClick() {
    SendDeclChanged();
    Services().EnablePageButton(TPageId::ForeignIncome, chbIncomeCurrency_->isChecked());
    updateDeductionAfterBoxes(false);
}

void TfrInitialData::chbIncomeBusinessClick() {
    SendDeclChanged();
    const bool on = chbIncomeBusiness_->isChecked();
    Services().EnablePageButton(TPageId::BusinessIncome, on);
    meSupposeIncome_->setEnabled(on);
    if (!on)
        meSupposeIncome_->clear();
    updateDeductionAfterBoxes(false);
}

void TfrInitialData::chbInvestTovClick() {
    SendDeclChanged();
    Services().EnablePageButton(TPageId::InvestTov, chbInvestTov_->isChecked());
    if (!anyIncomeBox())
        Services().EnablePageButton(TPageId::Deduction, false);
    else if (rbSimple_->isChecked())
        Services().EnablePageButton(TPageId::Deduction, true);
}

void TfrInitialData::rbGiveSelfClick() {
    for (QWidget* w : {static_cast<QWidget*>(lbFIO_), static_cast<QWidget*>(meFIO_), static_cast<QWidget*>(lbOsn_),
                       static_cast<QWidget*>(meOsn_), static_cast<QWidget*>(lbUL_), static_cast<QWidget*>(meUL_)})
        w->setEnabled(false);
    SendDeclChanged();
}

void TfrInitialData::rbGiveTrustFaseClick() {
    for (QWidget* w : {static_cast<QWidget*>(lbFIO_), static_cast<QWidget*>(meFIO_), static_cast<QWidget*>(lbOsn_),
                       static_cast<QWidget*>(meOsn_)})
        w->setEnabled(true);
    lbUL_->setEnabled(false);
    meUL_->setEnabled(false);
    SendDeclChanged();
}

void TfrInitialData::rbGiveByMailClick() {
    for (QWidget* w : {static_cast<QWidget*>(lbFIO_), static_cast<QWidget*>(meFIO_), static_cast<QWidget*>(lbOsn_),
                       static_cast<QWidget*>(meOsn_), static_cast<QWidget*>(lbUL_), static_cast<QWidget*>(meUL_)})
        w->setEnabled(true);
    SendDeclChanged();
}

void TfrInitialData::chbAutoCalculateAppClick() {
    SendDeclChanged();
    meAppendixes_->setEnabled(!chbAutoCalculateApp_->isChecked());
}

void TfrInitialData::bnInspectionClick() {
    TCodeDirectory* directory = Services().InspectionDirectory();
    if (!directory)
        return;
    const std::optional<QString> chosen = directory->Choose(this, meInspection_->text());
    if (chosen && *chosen != meInspection_->text()) {
        meInspection_->setText(*chosen);
        SendDeclChanged();
    }
}

void TfrInitialData::SaveData() {
    mTDeclaration& d = Declaration();
    d.InspectionCode = meInspection_->text().toStdString();
    const QDate shown = dtGetDate_->date();
    d.SigningDate.days = loadedSigningDate_;
    if (loadedSigningQDate_.isValid() && shown != loadedSigningQDate_)
        if (std::optional<TDateTime> date = encodeDate(shown.year(), shown.month(), shown.day()))
            d.SigningDate = *date;
    d.ConfirmationKind = rbGiveByMail_->isChecked() ? 2 : rbGiveTrustFase_->isChecked() ? 1 : 0;
    if (rbFermer_->isChecked()) d.TaxpayerCategory = 1;
    else if (rbPredp_->isChecked()) d.TaxpayerCategory = 0;
    else if (rbNotarius_->isChecked()) d.TaxpayerCategory = 2;
    else if (rbAdvokat_->isChecked()) d.TaxpayerCategory = 3;
    else if (rbArbitr_->isChecked()) d.TaxpayerCategory = 6;
    else d.TaxpayerCategory = 5;
    d.ReturnKind = static_cast<uint8_t>(shownReturnKind());
    d.SetIncomeKinds(IncomeKindsFromBoxes(d.IncomeKinds, chbIncomeInquiry_->isChecked(),
                                          chbIncomeCurrency_->isChecked(), chbIncomeBusiness_->isChecked(),
                                          chbInvestTov_->isChecked()));
    d.EstimatedIncome = Currency::fromRoubles(meSupposeIncome_->text().toLongLong());
    auto representative = [this](const TMaskedEdit* edit) {
        return !edit->text().isEmpty() && edit->isEnabledTo(this) ? edit->text().toStdString() : std::string();
    };
    d.RepresentativeName = representative(meFIO_);
    d.RepresentativeDocument = representative(meOsn_);
    d.RepresentativeOrganisation = representative(meUL_);
    d.CorrectionNumber = meNumVer_->text().toInt();
    if (chbAutoCalculateApp_->isChecked()) {
        d.AutoCountSheets = 1;
    } else {
        d.AutoCountSheets = 0;
        d.SetSupportingSheets(meAppendixes_->text().toInt());
    }
}

uint16_t TfrInitialData::CheckData() {
    for (const TPageProblem& problem : InitialDataProblems(Declaration())) {
        const int answer = Services().AskCheck({kSection, problem.message, true, true});
        if (answer == kCheckFix)
            return problem.code;
        if (answer == kCheckSkipAll)
            return 0;
    }
    return 0;
}

void TfrInitialData::FocusError(uint16_t code) {
    switch (code) {
    case kInitialInspection:
        if (bnInspection_->isEnabled()) {
            bnInspection_->setFocus();
            bnInspectionClick();
        } else {
            meInspection_->setFocus();
        }
        break;
    case kInitialEstimatedIncome: meSupposeIncome_->setFocus(); break;
    case kInitialRepresentativeName: meFIO_->setFocus(); break;
    case kInitialRepresentativeDocument: meOsn_->setFocus(); break;
    case kInitialRepresentativeOrganisation: meUL_->setFocus(); break;
    default: break;
    }
}

} // namespace velmar
