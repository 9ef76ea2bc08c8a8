#include "app/DocumentServices.h"

#include "check/DeclarationCheck.h"
#include "export/ExportDeclarationXml.h"

#include <QFile>

namespace velmar {
namespace {

QString u8(const std::string& text) { return QString::fromStdString(text); }

class TLibraryChecker : public TDeclarationChecker {
public:
    uint32_t Check(const mTDeclaration& declaration, const TCheckAsk& askAll) override {
        struct Questions : CheckQuestions {
            const TCheckAsk& ask_;
            explicit Questions(const TCheckAsk& ask) : ask_(ask) {}
            int ask(const CheckFinding& finding) override {
                return ask_({u8(finding.title), u8(finding.message), false, false});
            }
        } questions(askAll);
        return static_cast<uint32_t>(RunDeclarationCheck(declaration, questions));
    }
};

class TLibraryExporter : public TDeclarationExporter {
public:
    explicit TLibraryExporter(std::function<void(const QString&)> showError) : showError_(std::move(showError)) {}

    QString Export(const QString& folder, const mTDeclaration& declaration, int mode) override {
        struct Reporter : ExportReporter {
            const std::function<void(const QString&)>& show_;
            explicit Reporter(const std::function<void(const QString&)>& show) : show_(show) {}
            void message(const std::string& text) override {
                if (show_)
                    show_(u8(text));
            }
        } reporter(showError_);
        const std::filesystem::path path(QFile::encodeName(folder).toStdString());
        return u8(ExportDeclarationXml(path, declaration, static_cast<int16_t>(mode), reporter));
    }

private:
    std::function<void(const QString&)> showError_;
};

} // namespace

std::unique_ptr<TDeclarationChecker> MakeDeclarationChecker() { return std::make_unique<TLibraryChecker>(); }

std::unique_ptr<TDeclarationExporter> MakeDeclarationExporter(std::function<void(const QString&)> showError) {
    return std::make_unique<TLibraryExporter>(std::move(showError));
}

} // namespace velmar
