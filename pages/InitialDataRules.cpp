#include "pages/InitialDataRules.h"

#include "model/DeclClasses.h"

namespace velmar {

std::vector<TPageProblem> InitialDataProblems(const mTDeclaration& d) {
    std::vector<TPageProblem> problems;
    const QString inspection = QString::fromStdString(d.InspectionCode);
    if (inspection.isEmpty())
        problems.push_back({QStringLiteral("Не введен номер инспекции"), kInitialInspection});
    else if (inspection.size() != 4)
        // Only possible where the code is typed in by hand (no tax-office directory).
        problems.push_back({QStringLiteral("Номер инспекции должен состоять из 4 цифр"), kInitialInspection});
    const bool representative = d.ConfirmationKind == 1 || d.ConfirmationKind == 2;
    if (representative && QString::fromStdString(d.RepresentativeName).trimmed().isEmpty())
        problems.push_back({QStringLiteral("Не указаны ФИО подписанта-представителя"), kInitialRepresentativeName});
    if (representative && QString::fromStdString(d.RepresentativeDocument).trimmed().isEmpty())
        problems.push_back({QStringLiteral("Не указан документ, подтверждающий полномочия представителя"),
                            kInitialRepresentativeDocument});
    if (d.ConfirmationKind == 2 && QString::fromStdString(d.RepresentativeOrganisation).trimmed().isEmpty())
        problems.push_back({QStringLiteral("Не указано наименование Юр.лица-представителя"),
                            kInitialRepresentativeOrganisation});
    return problems;
}

uint8_t IncomeKindsFromBoxes(uint8_t previous, bool inquiry, bool currency, bool business, bool investTov) {
    uint8_t bits = previous & kIncomeFifth;
    if (inquiry)
        bits |= kIncomeRF;
    if (currency)
        bits |= kIncomeCurrency;
    if (business)
        bits |= kIncomeBusiness;
    if (investTov)
        bits |= kIncomeInvestTov;
    return bits;
}

bool HasRussianIncomeData(const mTDeclaration& d) {
    return d.Sources13.Count() + d.Sources13NR.Count() + d.Sources35.Count() + d.DividendSources.Count() +
                   d.Sources9.Count() >
               0 ||
           !d.ForeignerFixedAdvance.isZero() || d.MonthsWorked != 0;
}

} // namespace velmar
