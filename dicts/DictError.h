#pragma once
#include <stdexcept>

namespace velmar {

// A dictionary file or the classifier file could not be read or is not what it
// should be. The message names the file and says what is wrong, in Russian.
class DictError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace velmar
