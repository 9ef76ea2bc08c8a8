#include "check/DeclarationCheck.h"

#include "check/Identifiers.h"
#include "compute/SvodSum.h"
#include "platform/CodePage.h"

#include <functional>
#include <optional>

namespace velmar {

namespace {

// A condition that found something: the code (for walks, the 1-based position)
// and the message.
struct Problem {
    uint16_t code;
    std::string message;
};

// Everything the conditions look at: the return and what the computation of a
// copy of it said.
struct CheckContext {
    const mTDeclaration& d;
    bool computedRefundOnly = false; // `Compute`'s result: false demands the taxpayer's OKTMO
    std::vector<bmTList1> paymentLines;
    int innResult = 0;
};

// A condition yields every problem it finds, in order; the run shows only the
// first, the full listing all of them.
using Condition = std::function<std::vector<Problem>(CheckContext&)>;

struct Rule {
    std::string title; // empty: the group's title
    Condition condition;
};

struct Group {
    uint16_t page;
    std::string title;
    std::function<bool(const CheckContext&)> applies;
    std::vector<Rule> rules;
    bool runsAfterCancel = false; // page 1: "Отмена" lets the next message show
};

std::vector<Problem> one(bool failed, uint16_t code, const std::string& message) {
    if (!failed)
        return {};
    return {Problem{code, message}};
}

// Walks a list; each failing entry is a problem coded by its 1-based position.
template <class L, class F>
std::vector<Problem> walk(const L& list, const std::string& message, F&& fails) {
    std::vector<Problem> found;
    for (size_t i = 0; i < list.Count(); ++i)
        if (fails(list.Item(i)))
            found.push_back(Problem{static_cast<uint16_t>(i + 1), message});
    return found;
}

bool blank(const std::string& text) { return TrimText(text).empty(); }
size_t trimmedLength(const std::string& text) { return utf8Length(TrimText(text)); }
bool isAnnual(const mTDeclaration& d) { return d.ReturnKind != kReturn4NDFL; }
bool has(const mTDeclaration& d, uint8_t kind) { return (d.IncomeKinds & kind) != 0; }

bool fourDigits(const std::string& text) {
    if (text.size() != 4)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Amounts in messages are shown the way the user types them: decimal comma.
std::string shownAmount(Currency amount) {
    std::string text = amount.toText();
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

// The day a person turns 14; a birthday on 29 February counts as 28 February.
std::optional<TDateTime> fourteenthBirthday(TDateTime birth) {
    auto civil = decodeDate(birth);
    if (!civil)
        return std::nullopt;
    int day = civil->day;
    if (civil->month == 2 && day == 29)
        day = 28;
    return encodeDate(civil->year + 14, civil->month, day);
}

// Months (bits 1..12) in which a source paid something.
uint16_t monthPresence(const mTThirteenPercent& source) {
    uint16_t months = 0;
    for (const auto& income : source.Incomes.items())
        if (income.Month >= 1 && income.Month <= 12)
            months |= static_cast<uint16_t>(1u << income.Month);
    return months;
}

bool oktmoLengthOk(const std::string& oktmo) {
    size_t n = trimmedLength(oktmo);
    return n == 8 || n == 11;
}

// Foreign incomes whose codes carry their own deduction rule and need no amount.
bool incomeCodeWithoutDeductionAmount(int32_t code) {
    for (int c : {1530, 1531, 1532, 1533, 1535, 1536, 1537, 1538, 1539, 1541, 9537, 9538})
        if (code == c)
            return true;
    return false;
}

// ---------------------------------------------------------------- groups

std::vector<Rule> initialDataRules() {
    return {
        {"", [](CheckContext& c) {
             if (c.d.InspectionCode.empty())
                 return one(true, 1, "Не введен номер инспекции");
             // The code goes into the file name and the file: four digits exactly.
             return one(!fourDigits(c.d.InspectionCode), 1, "Код налоговой инспекции должен состоять из 4 цифр");
         }},
        {"", [](CheckContext& c) {
             return one(blank(c.d.RepresentativeName) && c.d.ConfirmationKind != 0, 3,
                        "Не указаны ФИО подписанта-представителя");
         }},
        {"", [](CheckContext& c) {
             return one(blank(c.d.RepresentativeDocument) && c.d.ConfirmationKind != 0, 4,
                        "Не указан документ, подтверждающий полномочия представителя");
         }},
        {"", [](CheckContext& c) {
             return one(blank(c.d.RepresentativeOrganisation) && c.d.ConfirmationKind == 2, 5,
                        "Не указано наименование Юр.лица-представителя");
         }},
    };
}

std::vector<Rule> personNameRules() {
    return {
        {"", [](CheckContext& c) { return one(c.d.Person->Surname.empty(), 1, "Не введена фамилия"); }},
        {"", [](CheckContext& c) { return one(c.d.Person->FirstName.empty(), 2, "Не введено имя"); }},
        {"", [](CheckContext& c) {
             c.innResult = CheckINN(c.d.Person->INN, kInnPerson);
             if (c.innResult == 4)
                 return one(true, 4, "Длинна ИНН должна быть равна 12 цифрам");
             return one(c.innResult == 5, 4, "Номер ИНН введен неверно");
         }},
        {"", [](CheckContext& c) {
             bool needed = has(c.d, kIncomeBusiness) || c.d.TaxpayerCategory == 0 || c.d.ReturnKind == kReturn4NDFL;
             return one(c.d.Person->INN.empty() && needed, 4,
                        c.d.ReturnKind == kReturn4NDFL
                            ? "Не указан ИНН"
                            : "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН");
         }},
        {"", [](CheckContext& c) {
             return one(c.innResult != 0 && blank(c.d.Person->BirthPlace), 9, "Не указано место рождения");
         }},
        {"", [](CheckContext& c) {
             return one(c.innResult != 0 && c.d.Person->DocTypeCode == 0, 5,
                        "Не указан документ, удостоверяющий личность");
         }},
        {"", [](CheckContext& c) {
             const auto& p = *c.d.Person;
             return one(p.DocTypeCode != 0 && p.DocSeriesNumber.empty(), 6,
                        "Не указаны серия и номер документа, удостоверяющего личность");
         }},
        {"", [](CheckContext& c) {
             const auto& p = *c.d.Person;
             return one(p.DocTypeCode != 0 && p.DocIssueDate.days < p.BirthDate.days, 7,
                        "Дата выдачи документа не может быть меньше даты рождения");
         }},
        {"", [](CheckContext& c) {
             const auto& p = *c.d.Person;
             bool passportLike = p.DocTypeCode == 7 || p.DocTypeCode == 8 || p.DocTypeCode == 21 || p.DocTypeCode == 24;
             auto fourteen = fourteenthBirthday(p.BirthDate);
             return one(passportLike && fourteen && p.DocIssueDate.days >= p.BirthDate.days
                            && p.DocIssueDate.days < fourteen->days,
                        7, "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет");
         }},
        {"", [](CheckContext& c) {
             const auto& p = *c.d.Person;
             return one(p.DocTypeCode != 0 && p.DocIssuedBy.empty(), 8,
                        "Не указано, кем выдан документ, удостоверяющий личность");
         }},
        {"", [](CheckContext& c) {
             return one(c.d.ReturnKind == kReturn4NDFL && !oktmoLengthOk(c.d.Person->OKTMO), 10,
                        "Не введен код ОКТМО(8 или 11 симв.)");
         }},
    };
}

std::vector<Rule> personAddressRules() {
    return {
        {"", [](CheckContext& c) {
             return one(c.d.Person->RegionCode == 0, 2, "Не указан регион постоянного местожительства");
         }},
        {"", [](CheckContext& c) {
             const auto& index = c.d.Person->PostIndex;
             return one(!index.empty() && utf8Length(index) != 6, 6, "Почтовый индекс должен содержать ровно 6 цифр");
         }},
        {"", [](CheckContext& c) {
             return one(c.d.Person->Locality.empty() && c.d.Person->Street.empty(), 5,
                        "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)");
         }},
    };
}

std::vector<Rule> income13Rules() {
    return {
        {"", [](CheckContext& c) {
             return walk(c.d.Sources13, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы",
                         [](const mTThirteenPercent& s) { return s.TotalIncome < s.TaxWithheld; });
         }},
        {"", [](CheckContext& c) {
             return walk(c.d.Sources13, "По данному источнику не указаны доходы",
                         [](const mTThirteenPercent& s) { return s.Incomes.IncomeCount() == 0; });
         }},
    };
}

std::vector<Rule> currencyRules() {
    return {
        {"", [](CheckContext& c) {
             return walk(c.d.CurrencyIncomes, "По данному источнику выплаты не указан код валюты",
                         [](const mTCurrencyIncome& r) { return r.CurrencyCode.empty(); });
         }},
        {"", [](CheckContext& c) {
             return walk(c.d.CurrencyIncomes, "По данному источнику выплаты не указан курс валюты",
                         [](const mTCurrencyIncome& r) { return r.IncomeDateUnits == 0 || r.IncomeDateRate.isZero(); });
         }},
        {"", [](CheckContext& c) {
             return walk(c.d.CurrencyIncomes, "По данному источнику выплаты не указан код дохода",
                         [](const mTCurrencyIncome& r) { return r.IncomeCode == 0; });
         }},
        {"", [](CheckContext& c) {
             return walk(c.d.CurrencyIncomes, "По данному источнику выплаты не указана сумма вычета",
                         [](const mTCurrencyIncome& r) {
                             return r.DeductionCode != 0 && !incomeCodeWithoutDeductionAmount(r.IncomeCode)
                                    && r.DeductionAmount.isZero();
                         });
         }},
    };
}

// The business walk stops at a record's first problem; every record is one
// entry of the walk.
std::vector<Problem> businessProblems(const mTDeclaration& d) {
    std::vector<Problem> found;
    const mTBusinessNew* firstEntrepreneur = nullptr;
    for (size_t i = 0; i < d.Businesses.Count(); ++i) {
        const mTBusinessNew& b = d.Businesses.Item(i);
        const auto position = static_cast<uint16_t>(i + 1);
        const bool entrepreneur = b.ActivityKind == "1" || b.ActivityKind == "5";
        if (entrepreneur && !firstEntrepreneur)
            firstEntrepreneur = &b;
        std::optional<std::string> message;
        if (entrepreneur && b.HasDocumentedExpenses != firstEntrepreneur->HasDocumentedExpenses) {
            message = "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%.";
        } else if (b.ActivityKind == "1" && trimmedLength(b.ActivityCode) < 4) {
            message = "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку";
        } else if (b.HasDocumentedExpenses) {
            Currency others;
            for (Currency part : b.ExpenseReserve)
                others += part;
            Currency main = b.MaterialExpenses + b.Depreciation + b.LabourCosts + b.OtherExpenses;
            if (b.LabourCosts < b.LabourUnderContracts)
                message = "Расходы по оплате трудовых договоров(" + shownAmount(b.LabourUnderContracts)
                          + ") превышают сумму расходов на оплату труда (" + shownAmount(b.LabourCosts) + ")";
            else if (others > b.OtherExpenses)
                message = "Сумма прочих расходов (" + shownAmount(b.OtherExpenses) + ") меньше суммы ее составляющих ("
                          + shownAmount(others) + ")";
            else if (main > b.TotalExpenses)
                message = "Общие расходы (" + shownAmount(b.TotalExpenses)
                          + ") меньше суммы расходов материальных, на оплату труда, прочих и амортизационных "
                            "отчислений (" + shownAmount(main) + ")";
        }
        if (message)
            found.push_back(Problem{position, *message});
    }
    return found;
}

std::vector<Rule> deductionRules() {
    return {
        {"Социальные вычеты", [](CheckContext& c) {
             const auto& s = *c.d.Social;
             bool nothing = s.Charity.isZero() && s.SelfEducation.isZero() && s.Medical.isZero()
                            && s.ExpensiveMedical.isZero() && s.VoluntaryInsurance.isZero()
                            && s.AdditionalContributions.isZero() && s.SocialAmount64.isZero()
                            && s.ChildEducation.empty() && s.Pensions.empty();
             return one(s.Granted && nothing, 1, "Не введены данные по социальным налоговым вычетам");
         }},
        {"Стандартные вычеты", [](CheckContext& c) {
             const auto& st = *c.d.Standard;
             if (!st.Granted || st.HasMonthly || has(c.d, kIncomeBusiness) || !has(c.d, kIncomeRF))
                 return std::vector<Problem>{};
             uint16_t seen = 0;
             bool overlap = false;
             for (size_t i = 0; i < c.d.Sources13.Count() && !overlap; ++i) {
                 uint16_t months = monthPresence(c.d.Sources13.Item(i));
                 overlap = (seen & months) != 0;
                 seen |= months;
             }
             return one(overlap, 2, "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО.");
         }},
    };
}

// Section 1 lines need an OKTMO code each: one without it makes a file the tax
// office refuses, so the missing code is asked for where it is entered.
std::optional<CheckFinding> missingLineOktmo(const CheckContext& c) {
    bool emptyLine = false;
    for (const auto& line : c.paymentLines)
        if (TrimText(line.Oktmo).empty())
            emptyLine = true;
    if (!emptyLine)
        return std::nullopt;
    if (blank(c.d.Person->OKTMO)) {
        const bool short4 = c.d.ReturnKind == kReturn4NDFL;
        return CheckFinding{short4 ? uint16_t(kPagePersonName) : uint16_t(kPagePersonAddress),
                            uint16_t(short4 ? 10 : 4), "Сведения о декларанте",
                            "Не введен код ОКТМО(8 или 11 симв.) по месту жительства"};
    }
    // The taxpayer has a code, so the line belongs to a source that withheld tax.
    std::optional<CheckFinding> found;
    auto firstWithout = [&](const auto& list, uint16_t page, const char* title) {
        for (size_t i = 0; i < list.Count() && !found; ++i) {
            const auto& s = list.Item(i);
            if (blank(s.SourceOKTMO) && s.TaxWithheld > Currency())
                found = CheckFinding{page, static_cast<uint16_t>(i + 1), title,
                                     "По данному источнику выплаты не указан код ОКТМО"};
        }
    };
    if (c.d.ReturnKind == kReturnNonResident) {
        firstWithout(c.d.Sources13NR, kPageIncome13NR, "Доходы нерезидентов");
        firstWithout(c.d.InvestPartnerships, kPageInvestTov, "Инвестиционные товарищества");
        firstWithout(c.d.DividendSources, kPageDividends, "Дивиденды");
        firstWithout(c.d.Sources13, kPageIncome13, "Доходы, облагаемые ставкой 13%");
    } else {
        firstWithout(c.d.Sources13, kPageIncome13, "Доходы, облагаемые ставкой 13%");
        firstWithout(c.d.InvestPartnerships, kPageInvestTov, "Инвестиционные товарищества");
        firstWithout(c.d.DividendSources, kPageDividends, "Дивиденды");
        firstWithout(c.d.Sources9, kPageIncome9, "Доходы, облагаемые ставкой 9%");
        firstWithout(c.d.Sources35, kPageIncome35, "Доходы, облагаемые ставкой 35%");
    }
    return found;
}

std::vector<Group> checkGroups() {
    std::vector<Group> groups;
    groups.push_back({kPageInitialData, "Задание условий", [](const CheckContext&) { return true; },
                      initialDataRules(), true});
    groups.push_back({kPagePersonName, "Сведения о декларанте", [](const CheckContext&) { return true; },
                      personNameRules()});
    groups.push_back({kPagePersonAddress, "Сведения о декларанте",
                      [](const CheckContext& c) { return isAnnual(c.d); }, personAddressRules()});
    groups.push_back({kPageIncome13, "Доходы, облагаемые ставкой 13%",
                      [](const CheckContext& c) { return has(c.d, kIncomeRF); }, income13Rules()});
    groups.push_back({kPageCurrency, "Доходы в валюте",
                      [](const CheckContext& c) { return has(c.d, kIncomeCurrency); }, currencyRules()});
    groups.push_back({kPageBusiness, "Доходы от предпринимательской деятельности",
                      [](const CheckContext& c) { return has(c.d, kIncomeBusiness); },
                      {{"", [](CheckContext& c) { return businessProblems(c.d); }}}});
    groups.push_back({kPageDeductions1, "Вычеты", [](const CheckContext& c) { return c.d.IncomeKinds != 0; },
                      deductionRules()});
    groups.push_back({kPagePersonAddress, "Сведения о декларанте",
                      [](const CheckContext& c) { return isAnnual(c.d); },
                      {{"", [](CheckContext& c) {
                            const std::string& oktmo = c.d.Person->OKTMO;
                            return one(!blank(oktmo) && !oktmoLengthOk(oktmo), 4,
                                       "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов");
                        }},
                       {"", [](CheckContext& c) {
                            return one(blank(c.d.Person->OKTMO) && !c.computedRefundOnly, 4,
                                       "Не введен код ОКТМО(8 или 11 симв.) по месту жительства");
                        }}}});
    return groups;
}

CheckContext computeContext(const mTDeclaration& declaration) {
    CheckContext context{declaration};
    // The computation writes derived values into the return; checking must not.
    mTDeclaration copy(declaration);
    kTSvodSum svod;
    try {
        context.computedRefundOnly = svod.Compute(copy);
        context.paymentLines = svod.List6.Lines;
    } catch (const std::exception&) {
        // A return the computation refuses counts as a failed computation here;
        // the export reports the computation's own message.
        context.computedRefundOnly = false;
        context.paymentLines.clear();
    }
    return context;
}

} // namespace

int32_t RunDeclarationCheck(const mTDeclaration& declaration, CheckQuestions& questions) {
    CheckContext context = computeContext(declaration);
    int32_t problemCode = 0; // -1 after "Отмена"
    int lastAnswer = 0;
    uint16_t page = 0;

    auto show = [&](uint16_t groupPage, const std::string& title, const Problem& problem) {
        CheckFinding finding{groupPage, problem.code, title, problem.message};
        lastAnswer = questions.ask(finding);
        page = groupPage;
        problemCode = lastAnswer == kCheckAnswerFix ? problem.code : -1;
    };

    for (const Group& group : checkGroups()) {
        if (problemCode != 0 || !group.applies(context))
            continue;
        for (const Rule& rule : group.rules) {
            bool mayRun = group.runsAfterCancel ? (lastAnswer != kCheckAnswerFix && lastAnswer != kCheckAnswerSkipAll)
                                                : lastAnswer == 0;
            if (!mayRun)
                break;
            auto problems = rule.condition(context);
            if (!problems.empty())
                show(group.page, rule.title.empty() ? group.title : rule.title, problems.front());
        }
    }
    if (problemCode == 0) {
        if (auto missing = missingLineOktmo(context))
            show(missing->page, missing->title, Problem{missing->code, missing->message});
    }
    if (problemCode == 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(problemCode)) << 16) | page);
}

std::vector<CheckFinding> FindAllProblems(const mTDeclaration& declaration) {
    CheckContext context = computeContext(declaration);
    std::vector<CheckFinding> findings;
    for (const Group& group : checkGroups()) {
        if (!group.applies(context))
            continue;
        for (const Rule& rule : group.rules)
            for (const Problem& problem : rule.condition(context))
                findings.push_back({group.page, problem.code, rule.title.empty() ? group.title : rule.title,
                                    problem.message});
    }
    if (auto missing = missingLineOktmo(context)) {
        bool listed = false;
        for (const auto& f : findings)
            listed = listed || (f.page == missing->page && f.code == missing->code && f.message == missing->message);
        if (!listed)
            findings.push_back(*missing);
    }
    return findings;
}

} // namespace velmar
