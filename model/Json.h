#pragma once
// A return as JSON, for the command line and outside tools. Keys are the
// model's field names; money is the container's money text ("1234.5"), an
// absent optional amount is null; dates are "dd.mm.yyyy" (with " hh:mm:ss"
// when the value has a time of day).
#include "model/DeclClasses.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace velmar {

// A JSON value that does not fit the return; the message starts with its path
// ("Sources13[1].Incomes[0].IncomeAmount: not an amount: \"12,5x\"").
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

nlohmann::ordered_json DeclarationToJson(const mTDeclaration& declaration);
// Missing fields keep their defaults; unknown fields, wrong types, bad amounts
// and dates, numbers out of range and records of an income kind that is off
// are errors.
std::unique_ptr<mTDeclaration> DeclarationFromJson(const nlohmann::json& json);
std::unique_ptr<mTDeclaration> DeclarationFromJsonText(const std::string& text);

} // namespace velmar
