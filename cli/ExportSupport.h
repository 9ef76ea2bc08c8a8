#pragma once
#include "export/ExportDeclarationXml.h"

#include <iostream>

namespace velmar::cli {

// Messages of the export on stderr, the cause first.
class StderrReporter : public ExportReporter {
public:
    void message(const std::string& text) override { std::cerr << text << "\n"; }
    void cause(const std::string& detail) override { std::cerr << detail << "\n"; }
};

} // namespace velmar::cli
