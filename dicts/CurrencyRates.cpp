#include "dicts/CurrencyRates.h"

#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "platform/XmlDom.h"

namespace velmar {

CurrencyRates parseCurrencyRates(std::string_view xml, std::string_view sourceName) {
    try {
        XmlDocument doc = XmlDocument::parseMemory(xml, sourceName);
        CurrencyRates rates;
        for (const XmlElement& currencyElement : doc.root().childElements()) {
            CurrencyEntry currency{currencyElement.attributeText("Code"), currencyElement.attributeText("Name"), {}};
            for (const XmlElement& rateElement : currencyElement.childElements()) {
                CurrencyRate rate{rateElement.attributeText("Date"), rateElement.attributeText("Rate"),
                                  rateElement.attributeText("Quantity"), std::nullopt};
                rate.day = parseDictDate(rate.date);
                currency.rates.push_back(std::move(rate));
            }
            rates.currencies.push_back(std::move(currency));
        }
        return rates;
    } catch (const XmlError& e) {
        throw DictError(e.what());
    }
}

CurrencyRates loadCurrencyRates(const std::filesystem::path& path) {
    return parseCurrencyRates(readDictionaryFile(path), path.string());
}

const CurrencyEntry* FindCurrency(const CurrencyRates* rates, std::string_view code) {
    if (!rates || code.empty())
        return nullptr;
    for (const CurrencyEntry& currency : rates->currencies)
        if (currency.code == code)
            return &currency;
    return nullptr;
}

const CurrencyRate* FindRate(const CurrencyEntry* currency, std::chrono::year_month_day date) {
    if (!currency)
        return nullptr;
    const CurrencyRate* earlier = nullptr;
    for (const CurrencyRate& rate : currency->rates) {
        if (!rate.day)
            continue; // a damaged date is skipped, not an error
        if (*rate.day == date)
            return &rate;
        if (*rate.day < date)
            earlier = &rate;
    }
    return earlier;
}

std::vector<CodeName> currencyRows(const CurrencyRates* rates) {
    std::vector<CodeName> rows;
    if (rates)
        for (const CurrencyEntry& currency : rates->currencies)
            rows.push_back(CodeName{currency.code, currency.name});
    return rows;
}

std::optional<std::size_t> preselectCurrency(const std::vector<CodeName>& rows, std::string_view currentCode) {
    return findRowOrFirst(rows, currentCode.empty() ? std::string_view("0") : currentCode);
}

} // namespace velmar
