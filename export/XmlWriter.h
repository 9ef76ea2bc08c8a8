#pragma once
// The two writing steps every element and attribute of the file goes through.
#include "export/XmlForms.h"
#include "platform/XmlDom.h"

#include <string_view>

namespace velmar {

// Appends a new element as the last child of `parent`; elements therefore
// stand in the file in the order of the calls.
inline XmlElement AddElement(XmlElement parent, std::string_view name) { return parent.appendChild(name); }

// Sets the attribute to the value in upper case: the tax authority's file
// carries names, addresses and document numbers in capitals. Attributes stand
// in the order of the calls. A value XML cannot carry throws XmlError.
inline void SetAttr(XmlElement element, std::string_view name, std::string_view value) {
    element.setAttribute(name, UpperCaseCp1251(value));
}

// Optional attributes are left out when their text is blank.
inline void SetAttrIfNotBlank(XmlElement element, std::string_view name, std::string_view value) {
    if (!IsBlankText(value))
        SetAttr(element, name, value);
}

// The parts of an address in Russia, as the taxpayer's and a property
// object's addresses both carry them.
struct AddressParts {
    std::string_view postIndex;
    std::string regionCode; // two digits
    std::string_view district, city, locality, street, house, building, flat;
};

inline void WriteAddressParts(XmlElement address, const AddressParts& a) {
    SetAttrIfNotBlank(address, "Индекс", a.postIndex);
    SetAttr(address, "КодРегион", a.regionCode);
    SetAttrIfNotBlank(address, "Район", a.district);
    SetAttrIfNotBlank(address, "Город", a.city);
    SetAttrIfNotBlank(address, "НаселПункт", a.locality);
    SetAttrIfNotBlank(address, "Улица", a.street);
    SetAttrIfNotBlank(address, "Дом", a.house);
    SetAttrIfNotBlank(address, "Корпус", a.building);
    SetAttrIfNotBlank(address, "Кварт", a.flat);
}

} // namespace velmar
