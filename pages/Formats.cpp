#include "pages/Formats.h"

namespace velmar {
namespace {
TFormatSettings gSettings; // user-interface thread only
}

const TFormatSettings& FormatSettings() { return gSettings; }
void SetFormatSettings(const TFormatSettings& settings) { gSettings = settings; }

QString AmountToText(Currency amount) {
    QString text = QString::fromStdString(amount.toText());
    text.replace(QLatin1Char('.'), gSettings.DecimalSeparator);
    return text;
}

std::optional<Currency> AmountFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QString(gSettings.DecimalSeparator))
        return Currency();
    const QByteArray latin = trimmed.toLatin1();
    if (QString::fromLatin1(latin) != trimmed || gSettings.DecimalSeparator.unicode() > 0x7F)
        return std::nullopt;
    return Currency::parse(std::string_view(latin.constData(), static_cast<size_t>(latin.size())),
                           static_cast<char>(gSettings.DecimalSeparator.unicode()));
}

QString DateToText(TDateTime date) {
    const std::optional<CivilDate> civil = decodeDate(date);
    if (!civil)
        return {};
    const QChar sep = gSettings.DateSeparator;
    return QStringLiteral("%1%2%3%4%5")
        .arg(civil->day, 2, 10, QLatin1Char('0'))
        .arg(sep)
        .arg(civil->month, 2, 10, QLatin1Char('0'))
        .arg(sep)
        .arg(civil->year, 4, 10, QLatin1Char('0'));
}

} // namespace velmar
