// Under НДФЛ3: operations with securities and derivatives, and investment
// partnerships. Every amount of these sections carries kopecks.
#include "compute/SvodSum.h"
#include "export/Sections.h"
#include "export/XmlWriter.h"

#include <utility>
#include <vector>

namespace velmar {

namespace {

const Currency kZero;

using Amounts = std::vector<std::pair<const char*, Currency>>;

// Writes every attribute, whatever its value.
void setAll(XmlElement element, const Amounts& amounts) {
    for (const auto& [name, value] : amounts)
        SetAttr(element, name, FormatSum2(value));
}

// Writes the attributes above zero only.
void setPositive(XmlElement element, const Amounts& amounts) {
    for (const auto& [name, value] : amounts)
        if (value > kZero)
            SetAttr(element, name, FormatSum2(value));
}

// An operation block with its financial result, the taxable income when the
// result is a gain and the distribution of the loss when it is a loss.
struct ResultBlock {
    const char* element;
    bool written;
    Amounts result;
    bool hasTaxable;
    Amounts taxable;
    bool hasLoss;
    Amounts loss;
};

void writeResultBlock(XmlElement parent, const ResultBlock& block) {
    if (!block.written)
        return;
    XmlElement element = AddElement(parent, block.element);
    setAll(AddElement(element, "РасчФинРез"), block.result);
    if (block.hasTaxable)
        setAll(AddElement(element, "РасчДохОбл"), block.taxable);
    if (block.hasLoss)
        setAll(AddElement(element, "РаспрУбыт"), block.loss);
}

void writeFlatBlock(XmlElement parent, const char* name, bool written, const Amounts& amounts) {
    if (written)
        setAll(AddElement(parent, name), amounts);
}

// The return keeps the loss of 2014 first and then 2005 to 2013.
size_t lossIndexOfYear(int year) { return year == 2014 ? 0 : static_cast<size_t>(year - 2004); }

void writeEarlierLosses(XmlElement parent, const mTDeclaration& d, const kTSvodSumPrilJ& j) {
    XmlElement element = AddElement(parent, "УбытПредПер");
    setPositive(AddElement(element, "ОстУбытНачВс"), {{"СуммаЦБ", j.CarryInSec}, {"СуммаФИСС", j.CarryInFiss}});
    if (d.Securities) {
        for (int year = 2005; year <= 2014; ++year) {
            const size_t index = lossIndexOfYear(year);
            const Currency securities = d.Securities->LossCB[index];
            const Currency derivatives = d.Securities->LossFISS[index];
            if (!(securities > kZero) && !(derivatives > kZero))
                continue;
            XmlElement yearElement = AddElement(element, "ОстУбытПрошПер");
            SetAttr(yearElement, "ПериодПрош", std::to_string(year));
            setPositive(yearElement, {{"УбытНачЦБОбр", securities}, {"УбытНачФИССОбр", derivatives}});
        }
    }
    setPositive(AddElement(element, "НалБазаПер"), {{"СуммаЦБ", j.PeriodBaseSec}, {"СуммаФИСС", j.PeriodBaseFiss}});
    setPositive(AddElement(element, "СумУмНБПер"), {{"СуммаЦБ", j.CarryUsedSec}, {"СуммаФИСС", j.CarryUsedFiss}});
    setPositive(AddElement(element, "ОстУбытКонВс"), {{"СуммаЦБ", j.CarryLeftSec}, {"СуммаФИСС", j.CarryLeftFiss}});
}

} // namespace

void WriteSecurities(XmlElement ndfl3, const mTDeclaration& d, const kTSvodSum& svod) {
    const kTSvodSumPrilJ& j = svod.PrilJ;
    if (!PositiveSum({j.TotalIncome, j.CarryInSec, j.CarryInFiss}))
        return;
    XmlElement section = AddElement(ndfl3, "ДохОперЦБ");

    writeResultBlock(section, {"ДохОперЦБОрг", PositiveSum({j.TradedIncome, j.TradedExpenses, j.TradedInterest}),
                               {{"ДохСовОпер", j.TradedIncome},
                                {"РасхРеалЦБ", j.TradedExpenses},
                                {"УбытРЕПОУмДох", j.RepoLossToTraded},
                                {"УбытЗаймУмДох", j.LendLossToTraded},
                                {"ПроцРасх", j.TradedInterest},
                                {"РасхУмДохРеалЦБ", j.TradedCosts},
                                {"НалБазаОпер", j.TradedResult},
                                {"УбытРезОпер", j.TradedLoss}},
                               j.TradedResult > kZero,
                               {{"УбытУмНБ_4.10", j.FissSecToTraded},
                                {"УбытПрПерУмНБ", j.CarryUsedTraded},
                                {"ДоходОбл", j.TradedTaxable}},
                               j.TradedLoss > kZero,
                               {{"УбытУч_2.3", j.TradedLossToFormer},
                                {"УбытУч_4.6", j.TradedLossToFissSec},
                                {"УбытУмНББуд", j.TradedLossFuture}}});

    writeFlatBlock(section, "ДохОперЦБОргНеОрг", PositiveSum({j.FormerIncome, j.FormerExpenses}),
                   {{"ДохСовОпер", j.FormerIncome},
                    {"РасхРеалЦБ", j.FormerExpenses},
                    {"УбытУмФР_1.12", j.FormerLossUsed},
                    {"ДоходОбл", j.FormerTaxable}});

    writeFlatBlock(section, "ДохОперЦБНеОрг", PositiveSum({j.NonTradedIncome, j.NonTradedExpenses, j.NonTradedInterest}),
                   {{"ДохСовОпер", j.NonTradedIncome},
                    {"РасхРеалЦБ", j.NonTradedExpenses},
                    {"УбытРЕПОУмДох", j.RepoLossToOther},
                    {"УбытЗаймУмДох", j.LendLossToOther},
                    {"ПроцРасх", j.NonTradedInterest},
                    {"УбытВыхИТ", j.PartnershipExitLoss},
                    {"РасхУмДохРеалЦБ", j.NonTradedCosts},
                    {"ДоходОбл", j.NonTradedTaxable}});

    writeResultBlock(section, {"ДохФИССОргЦБ", PositiveSum({j.FissSecIncome, j.FissSecExpenses}),
                               {{"ДохСовОпер", j.FissSecIncome},
                                {"РасхРеалФИСС", j.FissSecExpenses},
                                {"НалБазаОпер", j.FissSecResult},
                                {"УбытРезОпер", j.FissSecLoss}},
                               j.FissSecResult > kZero,
                               {{"УбытПрПерУмНБ", j.CarryUsedFissSec},
                                {"УбытУмНБ_1.13", j.TradedToFissSec},
                                {"УбытУмНБ_5.8", j.FissOtherToFissSec},
                                {"ДоходОбл", j.FissSecTaxable}},
                               j.FissSecLoss > kZero,
                               {{"УбытУмНБ_5.6", j.FissSecLossToOther},
                                {"УбытУмНБ_1.9", j.FissSecLossToTraded},
                                {"УбытУмНББуд", j.FissSecLossFuture}}});

    writeResultBlock(section, {"ДохФИССОргНеЦБ", PositiveSum({j.FissOtherIncome, j.FissOtherExpenses}),
                               {{"ДохСовОпер", j.FissOtherIncome},
                                {"РасхРеалФИСС", j.FissOtherExpenses},
                                {"НалБазаОпер", j.FissOtherResult},
                                {"УбытРезОпер", j.FissOtherLoss}},
                               j.FissOtherResult > kZero,
                               {{"УбытПрПерУмНБ", j.CarryUsedFissOther},
                                {"УбытУмНБ_4.9", j.FissSecToOther},
                                {"ДоходОбл", j.FissOtherTaxable}},
                               j.FissOtherLoss > kZero,
                               {{"УбытУмНБ_4.7", j.FissOtherLossToSec}, {"УбытУмНББуд", j.FissOtherLossFuture}}});

    writeFlatBlock(section, "ДохФИССНеОрг", PositiveSum({j.FissFreeIncome, j.FissFreeExpenses}),
                   {{"ДохСовОпер", j.FissFreeIncome},
                    {"РасхРеалФИСС", j.FissFreeExpenses},
                    {"ДоходОбл", j.FissFreeTaxable}});

    writeResultBlock(section, {"ДохРЕПО", PositiveSum({j.RepoIncome, j.RepoExpenses}),
                               {{"ДохЗаймРЕПО", j.RepoIncome},
                                {"РасхЗаймРЕПО", j.RepoExpenses},
                                {"ДоходОбл", j.RepoTaxable},
                                {"УбытРезОпер", j.RepoLoss}},
                               false,
                               {},
                               PositiveSum({j.RepoLossTraded, j.RepoLossOther}),
                               {{"УбытРЕПООбр", j.RepoLossTraded}, {"УбытРЕПОНеОбр", j.RepoLossOther}}});

    writeResultBlock(section, {"ДохЗаймЦБ", PositiveSum({j.LendIncome, j.LendExpenses}),
                               {{"ДохДогЗайм", j.LendIncome},
                                {"РасхДогЗайм", j.LendExpenses},
                                {"ДоходОбл", j.LendTaxable},
                                {"УбытРезОпер", j.LendLoss}},
                               false,
                               {},
                               PositiveSum({j.LendLossTraded, j.LendLossOther}),
                               {{"УбытЗаймЦБОбр", j.LendLossTraded}, {"УбытЗаймЦБНеОбр", j.LendLossOther}}});

    if (PositiveSum({j.CarryInSec, j.CarryInFiss}))
        writeEarlierLosses(section, d, j);

    writeFlatBlock(section, "УбытПрхПер", PositiveSum({j.CarryOutSec, j.CarryOutFiss}),
                   {{"УбытОперЦБОбр", j.CarryOutSec}, {"УбытОперФИССОбр", j.CarryOutFiss}});

    writeFlatBlock(section, "ИтогСовОпер", j.TotalIncome > kZero,
                   {{"ОбщДохСовОпер", j.TotalIncome},
                    {"ОбщДоходОбл", j.TotalTaxable},
                    {"ОбщРасхПрмВыч", j.TotalExpenses}});
}

void WritePartnerships(XmlElement ndfl3, const kTSvodSum& svod) {
    const kTSvodSumPrilI& p = svod.PrilI;
    if (!PositiveSum({p.TotalIncome, p.TotalTaxable, p.TotalExpenses}))
        return;
    XmlElement section = AddElement(ndfl3, "ДохИвестТов");
    static constexpr const char* kCategoryElements[kPartnershipCategoryCount] = {
        "ДохЦБОбрИТ", "ДохЦБНеОбрИТ", "ДохФИНеОбрИТ", "ДохУстКапИТ", "ДохПрочИТ",
    };
    for (size_t k = 0; k < kPartnershipCategoryCount; ++k) {
        const PartnershipCategory& c = p.Categories[k];
        writeFlatBlock(section, kCategoryElements[k], PositiveSum({c.Income, c.ShareExpenses, c.ManagerFee, c.LossUsed}),
                       {{"ДохСовокуп", c.Income},
                        {"РасхДолУпрТов", c.ShareExpenses},
                        {"РасхВознУпрТоп", c.ManagerFee},
                        {"УбытПрУмен", c.LossUsed},
                        {"ДоходОбл", c.Taxable},
                        {"УбытПерБудущ", c.LossFuture}});
    }
    writeFlatBlock(section, "РасчДохВыхИТ", PositiveSum({p.ExitIncome, p.Contribution}),
                   {{"ДохВыхИТ", p.ExitIncome},
                    {"ВкладИТ", p.Contribution},
                    {"ДоходОбл", p.ExitTaxable},
                    {"УбытРез", p.ExitLoss}});
    writeFlatBlock(section, "ИтогСовОпер", true,
                   {{"ОбщДохСовОпер", p.TotalIncome},
                    {"ОбщДоходОбл", p.TotalTaxable},
                    {"ОбщРасхПрмВыч", p.TotalExpenses}});
}

} // namespace velmar
