#pragma once
#include <stdexcept>

namespace velmar {

// A value of the return that the tax authority's file cannot carry (an
// impossible date, a code outside its list, a file identifier unfit for a file
// name). The export stops and reports it; nothing is written.
class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace velmar
