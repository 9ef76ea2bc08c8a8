#include "pages/SourceChecks.h"

#include <optional>

namespace velmar {
namespace {

bool allDigits(QStringView text) {
    for (QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

int checkDigit(QStringView digits, std::initializer_list<int> weights) {
    int sum = 0;
    qsizetype i = 0;
    for (int w : weights)
        sum += (digits[i++].unicode() - '0') * w;
    return sum % 11 % 10;
}

bool innDigitsValid(QStringView inn) {
    if (!allDigits(inn))
        return false;
    auto digit = [&](int i) { return inn[i].unicode() - '0'; };
    if (inn.size() == 10)
        return checkDigit(inn, {2, 4, 10, 3, 5, 9, 4, 6, 8}) == digit(9);
    return checkDigit(inn, {7, 2, 4, 10, 3, 5, 9, 4, 6, 8}) == digit(10) &&
           checkDigit(inn, {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8}) == digit(11);
}

bool oktmoLengthOk(const QString& oktmo) {
    const qsizetype n = oktmo.trimmed().size();
    return n == 8 || n == 11;
}

// One problem: nullopt to go on with the next check, otherwise the result of the whole check.
std::optional<uint16_t> report(const TCheckAsk& ask, const QString& section, const QString& message, bool skip,
                               bool skipAll, uint16_t code) {
    const int answer = effectiveAnswer(ask({section, message, skip, skipAll}), skip);
    if (answer == kCheckFix)
        return code;
    if (answer == kCheckSkipAll && skipAll)
        return kSourceOk;
    return std::nullopt;
}

const QString kNoName = QStringLiteral("Не заполненно поле \"Наименование источника выплаты\"");
const QString kKppMessages[] = {
    QStringLiteral("Отсутствует КПП"),
    QStringLiteral("Длинна КПП должна быть равна 9 цифрам"),
    QStringLiteral("Некорректный КПП"),
};
const QString kEnterInn = QStringLiteral("Введите ИНН");
const QString kLegalInnLength = QStringLiteral("Длинна ИНН для юрлиц должна быть равна 10 цифрам");
const QString kWrongInn = QStringLiteral("Номер ИНН введен неверно");

} // namespace

int CheckINN(QStringView text, int mode) {
    const QStringView inn = text.trimmed();
    if (inn.isEmpty())
        return 1;
    const qsizetype n = inn.size();
    if (mode == 1 && n != 10)
        return 3;
    if (mode == 2 && n != 12)
        return 4;
    if (n != 10 && n != 12)
        return 2;
    if (inn == u"0000000000" || inn == u"000000000000" || !innDigitsValid(inn))
        return 5;
    return 0;
}

int CheckKPP(QStringView text) {
    const QStringView kpp = text.trimmed();
    if (kpp.isEmpty())
        return 1;
    if (kpp.size() != 9)
        return 2;
    if (kpp == u"000000000")
        return 3;
    return 0;
}

uint16_t CheckIncomeSource(const TCheckAsk& ask, const QString& section, const QString& name, bool skipAllowed,
                           const QString& oktmo, const QString& kpp, const QString& inn) {
    constexpr bool kNoSkipAll = false;
    if (name.trimmed().isEmpty())
        if (auto r = report(ask, section, kNoName, false, kNoSkipAll, kSourceName))
            return *r;
    const bool oktmoEmpty = oktmo.trimmed().isEmpty();
    if (!oktmoEmpty && !oktmoLengthOk(oktmo))
        if (auto r = report(ask, section,
                            QStringLiteral("Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)"
                                           "(При продаже имущества физ.лицу - не нужен)"),
                            false, kNoSkipAll, kSourceOKTMO))
            return *r;
    if (oktmoEmpty)
        if (auto r = report(ask, section,
                            QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)"),
                            skipAllowed, kNoSkipAll, kSourceOKTMO))
            return *r;
    const int innResult = CheckINN(inn, 0);
    if (innResult == 2 || innResult == 5) {
        const QString message =
            innResult == 2 ? QStringLiteral("Длинна ИНН должна быть равна 10 или 12 цифрам") : kWrongInn;
        if (auto r = report(ask, section, message, false, kNoSkipAll, kSourceINN))
            return *r;
    }
    if (inn.trimmed().size() == 10) {
        const int kppResult = CheckKPP(kpp);
        if (kppResult != 0)
            if (auto r = report(ask, section, kKppMessages[kppResult - 1], false, kNoSkipAll, kSourceKPP))
                return *r;
    } else if (!kpp.trimmed().isEmpty()) {
        const QString message = inn.trimmed().isEmpty() ? kEnterInn : kLegalInnLength;
        if (auto r = report(ask, section, message, false, kNoSkipAll, kSourceINN))
            return *r;
    }
    return kSourceOk;
}

uint16_t CheckLegalIncomeSource(const TCheckAsk& ask, const QString& section, const QString& name,
                                const QString& oktmo, const QString& kpp, const QString& inn) {
    constexpr bool kNoSkip = false;
    if (name.trimmed().isEmpty())
        if (auto r = report(ask, section, kNoName, kNoSkip, kNoSkip, kSourceName))
            return *r;
    if (!oktmoLengthOk(oktmo))
        if (auto r = report(ask, section, QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)"), kNoSkip, kNoSkip,
                            kSourceOKTMO))
            return *r;
    const int innResult = CheckINN(inn, 1);
    if (innResult == 3 || innResult == 5) {
        const QString message =
            innResult == 3 ? QStringLiteral("Длинна ИНН должна быть равна 10 цифрам") : kWrongInn;
        if (auto r = report(ask, section, message, kNoSkip, kNoSkip, kSourceINN))
            return *r;
    }
    const int kppResult = CheckKPP(kpp);
    if (kppResult != 0)
        if (auto r = report(ask, section, kKppMessages[kppResult - 1], kNoSkip, kNoSkip, kSourceKPP))
            return *r;
    if (inn.trimmed().isEmpty()) {
        if (auto r = report(ask, section, kEnterInn, kNoSkip, kNoSkip, kSourceINN))
            return *r;
    } else if (inn.trimmed().size() != 10) {
        if (auto r = report(ask, section, kLegalInnLength, kNoSkip, kNoSkip, kSourceINN))
            return *r;
    }
    return kSourceOk;
}

} // namespace velmar
