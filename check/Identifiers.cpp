#include "check/Identifiers.h"

#include "platform/CodePage.h"

namespace velmar {

std::string TrimText(const std::string& text) {
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return text.substr(b, e - b);
}

namespace {

// The published INN control digit: weighted sum mod 11, then mod 10.
int controlDigit(const std::string& digits, const int* weights, size_t count) {
    int sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += (digits[i] - '0') * weights[i];
    return sum % 11 % 10;
}

bool allDigits(const std::string& text) {
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

int CheckINN(const std::string& text, int mode) {
    const std::string inn = TrimText(text);
    if (inn.empty())
        return 1;
    const size_t length = utf8Length(inn);
    if (mode == kInnAny && length != 10 && length != 12)
        return 2;
    if (mode == kInnOrganisation && length != 10)
        return 3;
    if (mode == kInnPerson && length != 12)
        return 4;
    if (!allDigits(inn) || inn == "0000000000" || inn == "000000000000")
        return 5;
    static const int w10[] = {2, 4, 10, 3, 5, 9, 4, 6, 8};
    static const int w11[] = {7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    static const int w12[] = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    if (inn.size() == 10)
        return controlDigit(inn, w10, 9) == inn[9] - '0' ? 0 : 5;
    bool ok = controlDigit(inn, w11, 10) == inn[10] - '0' && controlDigit(inn, w12, 11) == inn[11] - '0';
    return ok ? 0 : 5;
}

int CheckKPP(const std::string& text) {
    const std::string kpp = TrimText(text);
    if (kpp.empty())
        return 1;
    if (utf8Length(kpp) != 9)
        return 2;
    if (kpp == "000000000")
        return 3;
    return 0;
}

} // namespace velmar
