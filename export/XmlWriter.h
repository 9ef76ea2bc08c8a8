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

} // namespace velmar
