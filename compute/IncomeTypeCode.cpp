#include "compute/IncomeTypeCode.h"

namespace velmar {

namespace {

// The group an income code belongs to, or nullptr for a code outside every group.
const char* groupOf(int32_t code) {
    switch (code) {
    case 1400: case 2400:
        return kIncomeTypeRent;
    case 1510: case 1511:
        return kIncomeTypeSale;
    case 1512: case 1520:
        return kIncomeTypeOtherSale;
    case 1541: case 9537: case 9538:
        return kIncomeTypeSecurities;
    case 2220: case 2720: case 2790:
        return kIncomeTypeGift;
    default:
        if (code >= 1530 && code <= 1539)
            return kIncomeTypeSecurities;
        return nullptr;
    }
}

bool isLabourIncome(int32_t code) { return code == 2000 || code == 2010; }

} // namespace

void ClassifyIncomeType(mTThirteenPercent& source) {
    std::string& type = source.IncomeTypeCode;
    type.clear();
    for (const mTSourseIncome& item : source.Incomes.items()) {
        if (isLabourIncome(item.IncomeCode)) {
            // Labour income decides the kind of the whole source.
            type = kIncomeTypeLabour;
            continue;
        }
        const char* group = groupOf(item.IncomeCode);
        if (group && (type.empty() || type == group))
            type = group;
        else if (type != kIncomeTypeLabour)
            type = kIncomeTypeOther;
    }
    if (type == kIncomeTypeLabour && source.TaxComputed > source.TaxWithheld)
        type = kIncomeTypeLabourShort;
}

} // namespace velmar
