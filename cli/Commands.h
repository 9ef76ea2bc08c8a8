#pragma once
// velmar-cli: each command lives in its own file and registers itself here.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmar::cli {

struct Command {
    std::string name;
    std::string usage;   // "json FILE"
    std::string summary; // one line for --help
    std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Command>& registry();

struct Registrar {
    explicit Registrar(Command command) { registry().push_back(std::move(command)); }
};

// A user error: printed as one line on stderr, exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace velmar::cli
