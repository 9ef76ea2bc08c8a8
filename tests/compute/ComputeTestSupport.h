#pragma once
// Helpers for the computation tests: a return from JSON text, computed, and
// the summaries as JSON to look values up by path.
#include "compute/SvodJson.h"
#include "compute/SvodSum.h"
#include "model/Json.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace velmar::test {

struct Computed {
    std::unique_ptr<mTDeclaration> decl;
    std::unique_ptr<kTSvodSum> svod;
    bool result = false;
    nlohmann::ordered_json json;  // the summaries and "Result"

    // The value at a JSON pointer such as "/List6/Lines/0/Amount".
    nlohmann::ordered_json at(const std::string& pointer) const {
        return json.at(nlohmann::ordered_json::json_pointer(pointer));
    }
};

inline Computed computeJson(const std::string& returnJson) {
    Computed c;
    c.decl = DeclarationFromJsonText(returnJson);
    c.svod = std::make_unique<kTSvodSum>();
    c.result = c.svod->Compute(*c.decl);
    c.json = SvodSumToJson(*c.svod, c.result);
    return c;
}

inline const char* const k010 = "18210102010011000110";
inline const char* const k020 = "18210102020011000110";
inline const char* const k030 = "18210102030011000110";

inline nlohmann::ordered_json line(const char* kbk, const char* oktmo, const char* sign, const char* amount) {
    return nlohmann::ordered_json{{"Kbk", kbk}, {"Oktmo", oktmo}, {"Sign", sign}, {"Amount", amount}};
}
inline nlohmann::ordered_json lines(std::initializer_list<nlohmann::ordered_json> items) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const auto& item : items)
        out.push_back(item);
    return out;
}

// One expected value of the summaries' JSON, by JSON pointer.
struct Expect {
    std::string pointer;
    nlohmann::ordered_json value;
};

// A return as JSON with the values expected of its computation.
struct Scenario {
    const char* name;
    std::string json;
    std::vector<Expect> expects;
    // Checks of what the computation wrote back into the return.
    std::function<void(const mTDeclaration&)> effects = {};
};

inline void PrintTo(const Scenario* s, std::ostream* os) { *os << s->name; }

inline void checkScenario(const Scenario& s) {
    Computed c = computeJson(s.json);
    for (const Expect& e : s.expects)
        EXPECT_EQ(c.at(e.pointer), e.value) << e.pointer;
    if (s.effects)
        s.effects(*c.decl);
}

inline std::string scenarioName(const ::testing::TestParamInfo<const Scenario*>& info) { return info.param->name; }

inline Currency rub(int64_t roubles) { return Currency::fromRoubles(roubles); }
inline Currency kop(int64_t kopecks) { return Currency::fromKopecks(kopecks); }

} // namespace velmar::test
