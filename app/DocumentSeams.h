#pragma once
// The commands that need the check, the XML export and the printed form reach
// them through these interfaces; the libraries that provide them plug in here.
// Until one is plugged in, its command says so instead of pretending.
#include "pages/CheckPrompt.h"

#include <QString>

#include <cstdint>

namespace velmar {

class mTDeclaration;

class TDeclarationChecker {
public:
    virtual ~TDeclarationChecker() = default;
    // Runs the whole-return check, showing problems through `askAll`
    // (`TfmCheckAllError`). Low word: the page of the last problem shown; high
    // word: its problem code, 0 when nothing was found, 0xFFFF for "Отмена".
    virtual uint32_t Check(const mTDeclaration& declaration, const TCheckAsk& askAll) = 0;
};

class TDeclarationExporter {
public:
    virtual ~TDeclarationExporter() = default;
    // Writes the XML file into `folder` (which ends with a separator); the
    // file's name, or "ERROR".
    virtual QString Export(const QString& folder, const mTDeclaration& declaration, int mode) = 0;
};

class TDeclarationPrinter {
public:
    virtual ~TDeclarationPrinter() = default;
    virtual void Preview(const mTDeclaration& declaration) = 0;
    virtual void Print(const mTDeclaration& declaration) = 0;
};

} // namespace velmar
