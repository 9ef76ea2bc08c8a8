#pragma once
// Helpers for the computation tests: a return from JSON text, computed, and
// the summaries as JSON to look values up by path.
#include "compute/SvodJson.h"
#include "compute/SvodSum.h"
#include "model/Json.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

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

inline Currency rub(int64_t roubles) { return Currency::fromRoubles(roubles); }
inline Currency kop(int64_t kopecks) { return Currency::fromKopecks(kopecks); }

} // namespace velmar::test
