#pragma once
// The program's own number and date formats, set once at start-up: amounts
// are typed and shown with a decimal comma, dates as dd.mm.yyyy. They are
// application settings, not the C locale, so that libraries and files that
// need "." are not affected.
#include "model/Currency.h"
#include "model/DateTime.h"

#include <QChar>
#include <QString>

#include <optional>

namespace velmar {

struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char(',');
    QChar DateSeparator = QLatin1Char('.');
    QString ShortDateFormat = QStringLiteral("dd.mm.yyyy");
};

const TFormatSettings& FormatSettings();
void SetFormatSettings(const TFormatSettings& settings);

// An amount as a field shows it: shortest form, the decimal separator above.
QString AmountToText(Currency amount);
// A field's amount text; an empty text (or a lone separator) is zero,
// nullopt for a text that is no amount.
std::optional<Currency> AmountFromText(const QString& text);
// "dd.mm.yyyy" with the date separator above; empty for a value that is no date.
QString DateToText(TDateTime date);

} // namespace velmar
