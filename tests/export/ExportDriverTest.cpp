// The whole export: computation, today's date and a new GUID, the file in
// Windows-1251 under its identifier, and the failures that write nothing.
#include "ExportTestSupport.h"

#include "export/ExportDeclarationXml.h"
#include "export/XmlForms.h"
#include "model/Json.h"
#include "platform/XmlDom.h"

#include <gtest/gtest.h>
#include <regex>

namespace velmar {
namespace {

using namespace velmar::test;

class RecordingReporter : public ExportReporter {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    void cause(const std::string& detail) override { causes.push_back(detail); }
    std::vector<std::string> messages, causes;
};

std::unique_ptr<mTDeclaration> fromJsonFile(const std::string& name) {
    return DeclarationFromJsonText(readBytes(std::filesystem::path(EXPORT_TEST_DATA) / name));
}

std::string todayDigits() {
    const CivilDate d = *decodeDate(today());
    return PadZeros(d.year, 4) + PadZeros(d.month, 2) + PadZeros(d.day, 2);
}

std::string todayText() {
    const CivilDate d = *decodeDate(today());
    return PadZeros(d.day, 2) + "." + PadZeros(d.month, 2) + "." + PadZeros(d.year, 4);
}

// The day and the GUID of a run are not known beforehand: both are masked.
std::string maskRun(const std::string& xml) { return masked(masked(xml, "ИдФайл"), "ДатаДок"); }

TEST(ExportDriver, SavesAWindows1251FileNamedAfterItsIdentifier) {
    TempDir folder;
    auto d = fromJsonFile("salary_refund.json");
    RecordingReporter reporter;
    const std::string name = ExportDeclarationXml(folder.path(), *d, kExportSaveFile, reporter);

    EXPECT_TRUE(reporter.messages.empty());
    const std::regex pattern("NO_NDFL3_7710_7710_771234567890_" + todayDigits()
                             + "_[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\.xml");
    EXPECT_TRUE(std::regex_match(name, pattern)) << name;
    // Only the file itself: no temporary left beside it.
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{name});

    const std::string bytes = readBytes(folder.path() / name);
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
    EXPECT_EQ(bytes.substr(0, declaration.size()), declaration);
    EXPECT_NE(bytes.find("<\xD4\xE0\xE9\xEB "), std::string::npos);  // "<Файл " in Windows-1251
    EXPECT_EQ(bytes.find('\x98'), std::string::npos);                  // the one byte Windows-1251 lacks
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(bytes)), bytes);

    // The XML reads back, and names itself as the file is named.
    XmlDocument back = XmlDocument::parseMemory(bytes, name);
    EXPECT_EQ(back.root().attributeText("ИдФайл") + ".xml", name);
    EXPECT_EQ(back.root().firstChild("Документ").attributeText("ДатаДок"), todayText());

    EXPECT_SAME_XML(maskRun(squeeze(cp1251ToUtf8(bytes))), maskRun(expectedXml("salary_refund.xml")));
}

TEST(ExportDriver, TextModeGivesTheSameDocument) {
    auto d = fromJsonFile("estimated_income.json");
    RecordingReporter reporter;
    for (int16_t mode : {int16_t(kExportText), int16_t(0), int16_t(3)}) {
        SCOPED_TRACE(mode);
        const std::string text = ExportDeclarationXml({}, *d, mode, reporter);
        const std::string declaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
        EXPECT_EQ(text.substr(0, declaration.size()), declaration);
        const std::string id = attributeIn(cp1251ToUtf8(text), "ИдФайл");
        EXPECT_EQ(id.substr(0, 28), "NO_NDFL4_5001_5001__" + todayDigits()) << id;
        EXPECT_SAME_XML(maskRun(squeeze(cp1251ToUtf8(text))), maskRun(expectedXml("estimated_income.xml")));
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(ExportDriver, EveryExportIsANewFile) {
    TempDir folder;
    auto d = fromJsonFile("estimated_income.json");
    RecordingReporter reporter;
    const std::string first = ExportDeclarationXml(folder.path(), *d, kExportSaveFile, reporter);
    const std::string second = ExportDeclarationXml(folder.path(), *d, kExportSaveFile, reporter);
    EXPECT_NE(first, second);
    EXPECT_EQ(folder.fileNames().size(), 2u);
}

TEST(ExportDriver, TheReturnIsLeftAsItWas) {
    auto d = fromJsonFile("salary_refund.json");
    d->Social->Granted = 1;
    d->Social->ChildEducationAdd(rub("70000"));  // the computation lowers it to 50 000
    const std::string before = DeclarationToJson(*d).dump();
    RecordingReporter reporter;
    const std::string text = ExportDeclarationXml({}, *d, kExportText, reporter);
    EXPECT_EQ(attributeIn(cp1251ToUtf8(text), "ВидДоход"), "06");  // set by the computation on its copy
    EXPECT_EQ(DeclarationToJson(*d).dump(), before);
    EXPECT_EQ(d->Sources13.Item(0).IncomeTypeCode, "");
}

TEST(ExportDriver, FailuresReportTheMessageAndWriteNothing) {
    const ComputeStep computeNormally = [](mTDeclaration& work, kTSvodSum& svod) { svod.Compute(work); };
    const struct {
        const char* what;
        std::function<void(mTDeclaration&)> spoil;
        ComputeStep compute;
        bool missingFolder;
        const char* message;
        const char* cause;
    } cases[] = {
        {"the computation raises", [](mTDeclaration&) {},
         [](mTDeclaration&, kTSvodSum& svod) {
             svod.List6.Lines.push_back({"18210102030011000110", "1", "1", rub("1")});  // half computed
             throw std::out_of_range("index 3");
         },
         false, kComputationFailedMessage, "index 3"},
        {"amounts the computation cannot hold",
         [](mTDeclaration& d) { d.Sources13.Item(0).TaxWithheld = Currency::fromRoubles(20'000'000'000'000); },
         computeNormally, false, kComputationFailedMessage, "слишком велики"},
        {"a control character in a name", [](mTDeclaration& d) { d.Person->FirstName = "Ив\x07ан"; }, computeNormally,
         false, kExportFailedMessage, "Имя"},
        {"a path in the tax-office code", [](mTDeclaration& d) { d.InspectionCode = "../../tmp/x"; }, computeNormally,
         false, kExportFailedMessage, "имени файла"},
        {"no such folder", [](mTDeclaration&) {}, computeNormally, true, kExportFailedMessage, "no-such-folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir folder;
        auto d = fromJsonFile("salary_refund.json");
        c.spoil(*d);
        RecordingReporter reporter;
        const auto target = c.missingFolder ? folder.path() / "no-such-folder" : folder.path();
        EXPECT_EQ(ExportDeclarationXml(target, *d, kExportSaveFile, reporter, c.compute), "ERROR");
        EXPECT_EQ(reporter.messages, std::vector<std::string>{c.message});
        ASSERT_EQ(reporter.causes.size(), 1u);
        EXPECT_NE(reporter.causes[0].find(c.cause), std::string::npos) << reporter.causes[0];
        EXPECT_TRUE(folder.fileNames().empty());
        // The text mode fails alike and hands no half-built text to printing.
        RecordingReporter textReporter;
        if (!c.missingFolder) {
            EXPECT_EQ(ExportDeclarationXml({}, *d, kExportText, textReporter, c.compute), "ERROR");
        }
    }
}

} // namespace
} // namespace velmar
