#pragma once
// Section 1 of the return: the amounts to pay or to refund, each against a
// budget classification code and an OKTMO code.
#include "model/DeclClasses.h"

#include <string>
#include <vector>

namespace velmar {

class kTSvodSum;

// Budget classification codes of 2015 for the personal income tax.
inline constexpr const char* kKbkWithheldByAgents = "18210102010011000110";  // tax of tax agents
inline constexpr const char* kKbkBusiness = "18210102020011000110";          // art. 227: business, private practice
inline constexpr const char* kKbkDeclared = "18210102030011000110";          // art. 228: other declared income

// Signs of a line.
inline constexpr const char* kSignPay = "1";
inline constexpr const char* kSignRefund = "2";
inline constexpr const char* kSignNil = "3";

// One line of section 1 (СумНалПу).
struct bmTList1 {
    std::string Kbk;
    std::string Oktmo;
    std::string Sign;   // "1" to pay, "2" to refund, "3" neither
    Currency Amount;

    bool operator==(const bmTList1&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Kbk", Kbk); v("Oktmo", Oktmo); v("Sign", Sign); v("Amount", Amount);
    }
};
using PaymentLine = bmTList1;

struct kTSvodSumList6 {
    std::vector<bmTList1> Lines;

    // True when no rate has tax to pay and at least one line holds an amount
    // to pay or refund; false otherwise (then the OKTMO of the taxpayer is needed).
    bool Compute(const mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { Lines.clear(); }

    bool operator==(const kTSvodSumList6&) const = default;
    template <class V>
    void fields(V& v) const { v("Lines", Lines); }
};

} // namespace velmar
