#include "model/Json.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <type_traits>
#include <vector>

namespace velmar {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// ---------------------------------------------------------------- output

ordered_json encode(const std::string& v) { return v; }
ordered_json encode(uint8_t v) { return v; }
ordered_json encode(uint16_t v) { return v; }
ordered_json encode(int32_t v) { return v; }
ordered_json encode(Currency v) { return v.toText(); }
ordered_json encode(const std::optional<Currency>& v) { return v ? ordered_json(v->toText()) : ordered_json(); }
ordered_json encode(TDateTime v) {
    if (decodeDate(v))
        return formatDate(v);
    return v.days; // outside the calendar: the plain number
}
template <class T, size_t N>
ordered_json encode(const std::array<T, N>& values) {
    ordered_json array = ordered_json::array();
    for (const auto& value : values)
        array.push_back(encode(value));
    return array;
}
ordered_json encode(const std::vector<Currency>& values) {
    ordered_json array = ordered_json::array();
    for (Currency value : values)
        array.push_back(encode(value));
    return array;
}

struct Writer {
    ordered_json& out;
    template <class T>
    void operator()(const char* name, T& value) {
        out[name] = encode(value);
    }
};

template <class R>
ordered_json recordToJson(const R& record) {
    ordered_json out = ordered_json::object();
    Writer writer{out};
    const_cast<R&>(record).fields(writer);
    return out;
}

template <class R>
ordered_json incomeSourceToJson(const R& record) {
    ordered_json out = recordToJson(record);
    out["TotalIncome"] = encode(record.TotalIncome);
    ordered_json items = ordered_json::array();
    for (const auto& item : record.Incomes.items())
        items.push_back(recordToJson(item));
    out["Incomes"] = std::move(items);
    return out;
}

template <class L, class F>
ordered_json listToJson(const L& list, F&& one) {
    ordered_json array = ordered_json::array();
    for (size_t i = 0; i < list.Count(); ++i)
        array.push_back(one(list.Item(i)));
    return array;
}

// ---------------------------------------------------------------- input

[[noreturn]] void fail(const std::string& path, const std::string& what) { throw JsonError(path + ": " + what); }

std::string shown(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

template <class T>
T wholeNumber(const json& value, const std::string& path, int64_t min, int64_t max) {
    if (!value.is_number_integer())
        fail(path, "not a whole number: " + shown(value));
    int64_t n;
    if (value.is_number_unsigned()) {
        uint64_t u = value.get<uint64_t>();
        if (u > static_cast<uint64_t>(max))
            fail(path, "out of range: " + shown(value));
        n = static_cast<int64_t>(u);
    } else {
        n = value.get<int64_t>();
    }
    if (n < min || n > max)
        fail(path, "out of range: " + shown(value));
    return static_cast<T>(n);
}

void decode(const json& value, const std::string& path, std::string& out) {
    if (!value.is_string())
        fail(path, "not a string: " + shown(value));
    out = value.get<std::string>();
}
void decode(const json& value, const std::string& path, uint8_t& out) { out = wholeNumber<uint8_t>(value, path, 0, 255); }
void decode(const json& value, const std::string& path, uint16_t& out) {
    out = wholeNumber<uint16_t>(value, path, 0, 65535);
}
void decode(const json& value, const std::string& path, int32_t& out) {
    out = wholeNumber<int32_t>(value, path, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}
void decode(const json& value, const std::string& path, Currency& out) {
    std::optional<Currency> amount;
    if (value.is_string())
        amount = Currency::parse(value.get<std::string>(), '.');
    if (!amount)
        fail(path, "not an amount: " + shown(value));
    out = *amount;
}
void decode(const json& value, const std::string& path, std::optional<Currency>& out) {
    if (value.is_null()) {
        out.reset();
        return;
    }
    Currency amount;
    decode(value, path, amount);
    out = amount;
}
void decode(const json& value, const std::string& path, TDateTime& out) {
    if (value.is_number()) {
        double days = value.get<double>();
        if (!std::isfinite(days))
            fail(path, "not a date: " + shown(value));
        out = TDateTime{days};
        return;
    }
    std::optional<TDateTime> date;
    if (value.is_string())
        date = parseDateText(value.get<std::string>(), '.');
    if (!date)
        fail(path, "not a date: " + shown(value));
    out = *date;
}
template <class T, size_t N>
void decode(const json& value, const std::string& path, std::array<T, N>& out) {
    if (!value.is_array() || value.size() != N)
        fail(path, "not an array of " + std::to_string(N) + " values");
    for (size_t i = 0; i < N; ++i)
        decode(value[i], path + "[" + std::to_string(i) + "]", out[i]);
}
void decode(const json& value, const std::string& path, std::vector<Currency>& out) {
    if (!value.is_array())
        fail(path, "not an array");
    out.clear();
    for (size_t i = 0; i < value.size(); ++i) {
        Currency amount;
        decode(value[i], path + "[" + std::to_string(i) + "]", amount);
        out.push_back(amount);
    }
}

// Reads the fields of one record from a JSON object; `extra` names the keys
// the caller handles itself. Any other key is an error.
struct Reader {
    const json& in;
    std::string prefix;
    std::set<std::string> known;

    template <class T>
    void operator()(const char* name, T& value) {
        known.insert(name);
        auto it = in.find(name);
        if (it != in.end())
            decode(*it, prefix + name, value);
    }
};

std::string join(const std::string& prefix, const std::string& name) {
    return prefix.empty() ? name : prefix + "." + name;
}

template <class R>
void recordFromJson(const json& in, const std::string& path, R& record, std::initializer_list<const char*> extra = {}) {
    if (!in.is_object())
        fail(path, "not an object");
    Reader reader{in, path.empty() ? "" : path + ".", {}};
    record.fields(reader);
    for (const char* name : extra)
        reader.known.insert(name);
    for (auto it = in.begin(); it != in.end(); ++it)
        if (!reader.known.count(it.key()))
            fail(join(path, it.key()), "unknown field");
}

const json* member(const json& in, const char* name) {
    auto it = in.find(name);
    return it == in.end() ? nullptr : &*it;
}

template <class R>
void incomeSourceFromJson(const json& in, const std::string& path, R& record) {
    recordFromJson(in, path, record, {"TotalIncome", "Incomes"});
    if (const json* items = member(in, "Incomes")) {
        if (!items->is_array())
            fail(path + ".Incomes", "not an array");
        for (size_t i = 0; i < items->size(); ++i) {
            typename std::remove_cvref_t<decltype(record.Incomes.items())>::value_type item;
            recordFromJson((*items)[i], path + ".Incomes[" + std::to_string(i) + "]", item);
            record.Incomes.AddIncome(item);
        }
    }
    // The total is the sum of the incomes; a different figure is a contradiction.
    if (const json* total = member(in, "TotalIncome")) {
        Currency given;
        decode(*total, path + ".TotalIncome", given);
        if (given != record.TotalIncome)
            fail(path + ".TotalIncome", "is not the sum of Incomes (" + record.TotalIncome.toText() + ")");
    }
}

template <class L, class F>
void listFromJson(const json& in, const char* name, L& list, uint8_t kindBit, F&& one) {
    const json* array = member(in, name);
    if (!array)
        return;
    if (!array->is_array())
        fail(name, "not an array");
    if (array->empty())
        return;
    if (!list.Exists())
        fail(name, "records need IncomeKinds bit " + std::to_string(kindBit));
    for (size_t i = 0; i < array->size(); ++i) {
        size_t index = list.Add();
        one((*array)[i], std::string(name) + "[" + std::to_string(i) + "]", list.Item(index));
    }
}

template <class R>
void objectFromJson(const json& in, const char* name, R& record, std::initializer_list<const char*> extra = {}) {
    if (const json* object = member(in, name))
        recordFromJson(*object, name, record, extra);
}

} // namespace

ordered_json DeclarationToJson(const mTDeclaration& d) {
    ordered_json out = recordToJson(d);
    out["Person"] = recordToJson(*d.Person);
    out["Sources13"] = listToJson(d.Sources13, [](const auto& r) { return incomeSourceToJson(r); });
    out["Sources13NR"] = listToJson(d.Sources13NR, [](const auto& r) { return incomeSourceToJson(r); });
    out["Sources35"] = listToJson(d.Sources35, [](const auto& r) { return recordToJson(r); });
    out["DividendSources"] = listToJson(d.DividendSources, [](const auto& r) { return recordToJson(r); });
    out["Sources9"] = listToJson(d.Sources9, [](const auto& r) { return recordToJson(r); });
    out["CurrencyIncomes"] = listToJson(d.CurrencyIncomes, [](const auto& r) { return recordToJson(r); });
    out["Businesses"] = listToJson(d.Businesses, [](const auto& r) { return recordToJson(r); });
    out["TaxPayments"] = listToJson(d.TaxPayments, [](const auto& r) { return recordToJson(r); });
    out["InvestPartnerships"] = listToJson(d.InvestPartnerships, [](const auto& r) { return incomeSourceToJson(r); });
    out["Standard"] = recordToJson(*d.Standard);
    ordered_json social = recordToJson(*d.Social);
    social["Pensions"] = ordered_json::array();
    for (const auto& contract : d.Social->Pensions)
        social["Pensions"].push_back(recordToJson(*contract));
    out["Social"] = std::move(social);
    ordered_json property = recordToJson(*d.Property);
    property["Objects"] = ordered_json::array();
    for (const auto& object : d.Property->Objects)
        property["Objects"].push_back(recordToJson(*object));
    out["Property"] = std::move(property);
    out["Securities"] = recordToJson(*d.Securities);
    return out;
}

std::unique_ptr<mTDeclaration> DeclarationFromJson(const json& in) {
    auto d = std::make_unique<mTDeclaration>();
    static constexpr const char* kNested[] = {"Person", "Standard", "Social", "Property", "Securities",
                                              "Sources13", "Sources13NR", "Sources35", "DividendSources",
                                              "Sources9", "CurrencyIncomes", "Businesses", "TaxPayments",
                                              "InvestPartnerships"};
    if (!in.is_object())
        fail("(return)", "not an object");
    Reader reader{in, "", {}};
    d->fields(reader);
    for (const char* name : kNested)
        reader.known.insert(name);
    for (auto it = in.begin(); it != in.end(); ++it)
        if (!reader.known.count(it.key()))
            fail(it.key(), "unknown field");
    // The lists come with their income kinds.
    const uint8_t kinds = d->IncomeKinds;
    d->IncomeKinds = 0;
    d->SetIncomeKinds(kinds);

    objectFromJson(in, "Person", *d->Person);
    listFromJson(in, "Sources13", d->Sources13, kIncomeRF,
                 [](const json& j, const std::string& p, auto& r) { incomeSourceFromJson(j, p, r); });
    listFromJson(in, "Sources13NR", d->Sources13NR, kIncomeRF,
                 [](const json& j, const std::string& p, auto& r) { incomeSourceFromJson(j, p, r); });
    listFromJson(in, "Sources35", d->Sources35, kIncomeRF,
                 [](const json& j, const std::string& p, auto& r) { recordFromJson(j, p, r); });
    listFromJson(in, "DividendSources", d->DividendSources, kIncomeRF,
                 [](const json& j, const std::string& p, auto& r) { recordFromJson(j, p, r); });
    listFromJson(in, "Sources9", d->Sources9, kIncomeRF,
                 [](const json& j, const std::string& p, auto& r) { recordFromJson(j, p, r); });
    listFromJson(in, "CurrencyIncomes", d->CurrencyIncomes, kIncomeCurrency,
                 [](const json& j, const std::string& p, auto& r) { recordFromJson(j, p, r); });
    listFromJson(in, "Businesses", d->Businesses, kIncomeBusiness,
                 [](const json& j, const std::string& p, auto& r) { recordFromJson(j, p, r); });
    listFromJson(in, "TaxPayments", d->TaxPayments, 0,
                 [](const json& j, const std::string& p, auto& r) { recordFromJson(j, p, r); });
    listFromJson(in, "InvestPartnerships", d->InvestPartnerships, kIncomeInvestTov,
                 [](const json& j, const std::string& p, auto& r) { incomeSourceFromJson(j, p, r); });
    objectFromJson(in, "Standard", *d->Standard);
    objectFromJson(in, "Social", *d->Social, {"Pensions"});
    if (const json* social = member(in, "Social"); social && social->contains("Pensions")) {
        const json& contracts = (*social)["Pensions"];
        if (!contracts.is_array())
            fail("Social.Pensions", "not an array");
        for (size_t i = 0; i < contracts.size(); ++i)
            recordFromJson(contracts[i], "Social.Pensions[" + std::to_string(i) + "]",
                           d->Social->PensionItem(d->Social->AddPension()));
    }
    objectFromJson(in, "Property", *d->Property, {"Objects"});
    if (const json* property = member(in, "Property"); property && property->contains("Objects")) {
        const json& objects = (*property)["Objects"];
        if (!objects.is_array())
            fail("Property.Objects", "not an array");
        for (size_t i = 0; i < objects.size(); ++i) {
            auto object = std::make_unique<mTConstructionDeductObj>();
            recordFromJson(objects[i], "Property.Objects[" + std::to_string(i) + "]", *object);
            d->Property->AddObject(std::move(object));
        }
    }
    objectFromJson(in, "Securities", *d->Securities);
    return d;
}

std::unique_ptr<mTDeclaration> DeclarationFromJsonText(const std::string& text) {
    json parsed;
    try {
        parsed = json::parse(text);
    } catch (const json::parse_error& e) {
        throw JsonError(std::string("not valid JSON: ") + e.what());
    }
    return DeclarationFromJson(parsed);
}

} // namespace velmar
