#include "compute/SvodJson.h"

#include <array>
#include <type_traits>
#include <vector>

namespace velmar {

namespace {

using nlohmann::ordered_json;

template <class T>
concept HasFields = requires(const T& t, int& v) { t.fields(v); };

ordered_json valueToJson(Currency value) { return value.toText(); }
ordered_json valueToJson(const std::string& value) { return value; }
ordered_json valueToJson(TDateTime value) { return formatDate(value); }
ordered_json valueToJson(double value) { return value; }
template <class T>
    requires std::is_integral_v<T>
ordered_json valueToJson(T value) { return value; }

template <class T>
ordered_json recordToJson(const T& record);

template <class T, size_t N>
ordered_json valueToJson(const std::array<T, N>& values) {
    ordered_json out = ordered_json::array();
    for (const T& value : values) {
        if constexpr (HasFields<T>)
            out.push_back(recordToJson(value));
        else
            out.push_back(valueToJson(value));
    }
    return out;
}

template <class T>
ordered_json valueToJson(const std::vector<T>& values) {
    ordered_json out = ordered_json::array();
    for (const T& value : values)
        out.push_back(recordToJson(value));
    return out;
}

template <class T>
ordered_json recordToJson(const T& record) {
    ordered_json out = ordered_json::object();
    auto visit = [&](const char* name, const auto& value) { out[name] = valueToJson(value); };
    record.fields(visit);
    return out;
}

} // namespace

ordered_json SvodSumToJson(const kTSvodSum& svod) {
    ordered_json out = ordered_json::object();
    auto visit = [&](const char* name, const auto& summary) { out[name] = recordToJson(summary); };
    svod.members(visit);
    return out;
}

ordered_json SvodSumToJson(const kTSvodSum& svod, bool result) {
    ordered_json out = SvodSumToJson(svod);
    out["Result"] = result;
    return out;
}

} // namespace velmar
