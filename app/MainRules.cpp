#include "app/MainRules.h"

#include "model/DeclClasses.h"

#include <QDir>
#include <QFileInfo>

namespace velmar {

QString WindowTitle(const QString& documentFileName) {
    const QString suffix = QStringLiteral(" - ") + QLatin1String(kProgramTitle);
    if (documentFileName.isEmpty())
        return QStringLiteral("Без имени") + suffix;
    return QFileInfo(documentFileName).fileName() + suffix;
}

QString CommandLineFile(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.size() > 2)
        return {};
    if (arguments[0].compare(QLatin1String("-p"), Qt::CaseInsensitive) == 0)
        return arguments.size() == 2 ? arguments[1] : QString();
    return arguments[0];
}

QString FiveRuleName(const QString& fileName) {
    if (fileName.isEmpty() || fileName.endsWith(QLatin1Char('5')))
        return fileName;
    QString result = fileName;
    result[result.size() - 1] = QLatin1Char('5');
    return result;
}

TPageButtonStates PageButtonStates(uint8_t incomeKinds, uint8_t returnKind) {
    TPageButtonStates s;
    s.russianIncome = incomeKinds & kIncomeRF;
    s.foreignIncome = incomeKinds & kIncomeCurrency;
    s.businessIncome = incomeKinds & kIncomeBusiness;
    s.investTov = incomeKinds & kIncomeInvestTov;
    s.deduction = incomeKinds != 0 && returnKind != kReturnNonResident && returnKind != kReturn4NDFL;
    return s;
}

std::optional<TCheckTarget> CheckTarget(uint16_t pageNumber) {
    switch (pageNumber) {
    case 1: return TCheckTarget{TPageId::InitialData};
    case 2:
    case 3: return TCheckTarget{TPageId::PersonData, pageNumber - 2};
    case 4:
    case 5:
    case 6: return TCheckTarget{TPageId::RussianIncome, pageNumber - 4};
    case 7: return TCheckTarget{TPageId::ForeignIncome};
    case 8: return TCheckTarget{TPageId::BusinessIncome};
    case 9:
    case 10: return TCheckTarget{TPageId::Deduction, pageNumber - 9};
    case 12: return TCheckTarget{TPageId::InvestTov};
    // The non-resident's 13% and the 9% pages follow the three pages above
    // inside "Доходы, полученные в РФ".
    case 13:
    case 14: return TCheckTarget{TPageId::RussianIncome, pageNumber - 10};
    default: return std::nullopt;
    }
}

QString FolderWithSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString ExportMessage(const QString& folder, const QString& result, bool fileExists) {
    if (result == QLatin1String("ERROR"))
        return QStringLiteral("Файл не сформирован, свяжитесь с разработчиками.");
    if (fileExists)
        return QStringLiteral("Сформирован файл ") + folder + QLatin1Char(' ') + result;
    return QStringLiteral("Не удалось сохранить файл в указанный каталог. Выберите другой каталог или запускайте "
                          "программу с правами администратора.");
}

QString OpenFileFilter() {
    QStringList filters;
    filters << QStringLiteral("Velmar 2015 (*.vx5)");
    for (int year = 2014; year >= 2005; --year)
        filters << QStringLiteral("Velmar %1 (*.vx%2)").arg(year).arg(year % 10);
    filters << QStringLiteral("Velmar 200* (*.vxl)");
    return filters.join(QStringLiteral(";;"));
}

QString SaveFileFilter() { return QStringLiteral("Velmar 2015 (*.vx5)"); }

} // namespace velmar
