#pragma once
// Returns of a given size for the benchmarks.
#include "model/DeclClasses.h"

#include <memory>
#include <string>

namespace velmar::bench {

// `sources` resident 13% sources with twelve monthly incomes each.
inline std::unique_ptr<mTDeclaration> makeReturnWithSources(int sources) {
    auto d = std::make_unique<mTDeclaration>();
    d->SetIncomeKinds(kIncomeRF);
    d->InspectionCode = "7701";
    d->Person->Surname = "Иванов";
    d->Person->OKTMO = "45382000";
    for (int s = 0; s < sources; ++s) {
        auto& source = d->Sources13.Item(d->Sources13.Add());
        source.SourceName = "ООО \"Источник " + std::to_string(s) + "\"";
        source.SourceINN = "7701" + std::to_string(100000 + s);
        source.SourceKPP = "770101001";
        source.SourceOKTMO = "45382000";
        source.TaxWithheld = Currency::fromRoubles(15600);
        for (int m = 1; m <= 12; ++m) {
            mTSourseIncome income;
            income.IncomeCode = 2000;
            income.IncomeCodeName = "Вознаграждение за выполнение трудовых обязанностей";
            income.IncomeAmount = Currency::fromUnits(100000000 + s * 100 + m);
            income.Month = static_cast<uint16_t>(m);
            source.Incomes.AddIncome(income);
        }
    }
    return d;
}

} // namespace velmar::bench
