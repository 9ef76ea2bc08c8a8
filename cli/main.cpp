// velmar-cli: the headless front end over the same libraries as the program.
#include "cli/Commands.h"
#include "model/Json.h"
#include "model/StgClasses.h"

#include <algorithm>
#include <iostream>

using namespace velmar;
using namespace velmar::cli;

namespace {

void printHelp(std::ostream& out) {
    out << "velmar-cli: the 2015 personal income-tax return from the command line\n\nCommands:\n";
    auto commands = registry();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& c : commands)
        out << "  velmar-cli " << c.usage << "\n      " << c.summary << "\n";
    out << "\nA return is a container file (.vx5, or a file of an earlier year) or a JSON file.\n"
           "Exit status 0 on success; on an error one line on stderr and a non-zero status.\n";
}

// Errors are one line: storage messages may hold a carriage return.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    const auto& commands = registry();
    auto it = std::find_if(commands.begin(), commands.end(), [&](const auto& c) { return c.name == args[0]; });
    if (it == commands.end()) {
        std::cerr << "velmar-cli: unknown command \"" << args[0] << "\" (see velmar-cli --help)\n";
        return 2;
    }
    try {
        return it->run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const UsageError& e) {
        std::cerr << "velmar-cli " << it->name << ": " << e.what() << " (usage: velmar-cli " << it->usage << ")\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << oneLine(e.what()) << "\n";
        return 1;
    }
}
