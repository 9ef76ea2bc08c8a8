#include "pages/SourceChecks.h"

#include "check/Identifiers.h"

#include <optional>

namespace velmar {
namespace {

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

// The rules live with the whole-return check; the pages only hand over their text.
int CheckINN(QStringView text, int mode) { return CheckINN(text.toString().toStdString(), mode); }

int CheckKPP(QStringView text) { return CheckKPP(text.toString().toStdString()); }

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
