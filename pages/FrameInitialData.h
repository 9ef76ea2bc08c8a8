#pragma once
// "Задание условий": the kind of return, the tax office, the correction
// number, the taxpayer category, the kinds of income and the signer. Its
// choices switch the main window's page buttons.
#include "pages/ThinkingFrame.h"

#include <QDate>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmar {

class TMaskedEdit;
class TUpDown;

class TfrInitialData : public TThinkingFrame {
    Q_OBJECT
public:
    TfrInitialData(QWidget* parent, DeclarationSlot& declarationRef, TPageServices& services);

    void SaveData() override;
    uint16_t CheckData() override;
    void FocusError(uint16_t code) override;

private:
    void buildControls();
    void loadControls();
    void hideEstimatedReturnControls();

    // Click rules; loading runs them too for every value that differs from
    // the control's design default.
    void rbSimpleClick();
    void rbNeRezClick();
    void rb4ndflClick();
    void chbIncomeInquiryClick();
    void chbIncomeCurrencyClick();
    void chbIncomeBusinessClick();
    void chbInvestTovClick();
    void rbGiveSelfClick();
    void rbGiveTrustFaseClick();
    void rbGiveByMailClick();
    void chbAutoCalculateAppClick();
    void bnInspectionClick();

    // Sets a box or selects a radio button as a user's click would: its rule
    // runs when the state changes.
    void setBox(QCheckBox* box, bool checked);
    void selectRadio(QRadioButton* radio);
    void runRule(QObject* control);

    // Asks before the Russian-source records go; false keeps them.
    bool mayDiscardRussianIncome();
    void updateDeductionAfterBoxes(bool honourNonResident);
    bool anyIncomeBox() const;
    int shownReturnKind() const;

    QRadioButton *rbSimple_, *rbNeRez_, *rb4ndfl_;
    QLabel *lbInspection_, *lbNumVer_, *lbSupposeIncome_;
    TMaskedEdit *meInspection_, *meNumVer_, *meSupposeIncome_;
    QPushButton* bnInspection_;
    TUpDown* updCorr_;
    QDateEdit* dtGetDate_;
    QRadioButton *rbPredp_, *rbFermer_, *rbNotarius_, *rbAdvokat_, *rbFLProch_, *rbArbitr_;
    QCheckBox *chbIncomeInquiry_, *chbIncomeCurrency_, *chbIncomeBusiness_, *chbInvestTov_;
    QLabel* lbComment_;
    QRadioButton *rbGiveSelf_, *rbGiveTrustFase_, *rbGiveByMail_;
    QLabel *lbFIO_, *lbOsn_, *lbUL_;
    TMaskedEdit *meFIO_, *meOsn_, *meUL_;
    QGroupBox* gbAppendixes_;
    TMaskedEdit* meAppendixes_;
    QCheckBox* chbAutoCalculateApp_;

    // The return kind whose rules last ran, to go back to when the user
    // refuses to lose the Russian-source records.
    int returnKindShown_ = 0;
    // Set while choosing 4-НДФЛ unchecks the Russian-income box after the user agreed.
    bool discardConfirmed_ = false;
    // The signing date as loaded; kept exactly (time of day, or a value the
    // date picker cannot show) unless the picker is changed.
    double loadedSigningDate_ = 0;
    QDate loadedSigningQDate_;
};

} // namespace velmar
