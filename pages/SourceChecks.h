#pragma once
// Checks of taxpayer identifiers and of a source of income, shared by the
// income dialogs.
#include "pages/CheckPrompt.h"

#include <QString>
#include <QStringView>

#include <cstdint>

namespace velmar {

// ИНН: 1 empty; 2 not 10 or 12 characters (mode 0), 3 not 10 (mode 1),
// 4 not 12 (mode 2); 5 all zeros or wrong check digits; 0 correct.
int CheckINN(QStringView text, int mode);
// КПП: 1 empty, 2 not 9 characters, 3 "000000000", 0 otherwise.
int CheckKPP(QStringView text);

// Field codes of a source of income, returned when the user chose to fix it.
enum TSourceField : uint16_t { kSourceOk = 0, kSourceName = 1, kSourceINN = 2, kSourceKPP = 3, kSourceOKTMO = 4 };

// A source that may be a person or an organisation (13%, 35%, investment partnerships).
uint16_t CheckIncomeSource(const TCheckAsk& ask, const QString& section, const QString& name, bool skipAllowed,
                           const QString& oktmo, const QString& kpp, const QString& inn);
// A source that must be an organisation (9%, 30%, pension contributions).
uint16_t CheckLegalIncomeSource(const TCheckAsk& ask, const QString& section, const QString& name,
                                const QString& oktmo, const QString& kpp, const QString& inn);

} // namespace velmar
