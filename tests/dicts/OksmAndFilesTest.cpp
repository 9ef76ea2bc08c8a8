#include "dicts/CurrencyRates.h"
#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "dicts/Oksm.h"

#include "TestFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace velmar {
namespace {

using test::TempDir;
using test::writeBytes;

TEST(Oksm, ReadsCodesAndNamesWhateverTheChildrenAreCalled) {
    const auto countries = parseOksm("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                                     "<OKSM><Country Code=\"643\">\xD0\xEE\xF1\xF1\xE8\xFF</Country>"
                                     "<Item Code=\"840\">USA</Item><Country>no code</Country></OKSM>",
                                     "Oksm.xml");
    EXPECT_EQ(countries, (std::vector<CodeName>{{"643", "Россия"}, {"840", "USA"}, {"", "no code"}}));
    EXPECT_EQ(preselectCountry(countries, "840"), 1u);
    EXPECT_EQ(preselectCountry(countries, "276"), std::nullopt);
    EXPECT_EQ(preselectCountry({}, "643"), std::nullopt);
    EXPECT_THROW(parseOksm("<OKSM><Country Code=\"643\">", "Oksm.xml"), DictError);
}

TEST(DictionaryFiles, TheUserFolderComesBeforeTheProgramFolder) {
    TempDir dir;
    for (const char* folder : {"user", "program", "share"})
        std::filesystem::create_directory(dir / folder);
    writeBytes(dir / "program" / "Oksm.xml", "<OKSM/>");
    writeBytes(dir / "share" / "Oksm.xml", "<OKSM/>");
    writeBytes(dir / "share" / "CurrencyRates.xml", "<r/>");
    std::filesystem::create_directory(dir / "program" / "CurrencyRates.xml"); // a folder is not the file
    const DictionaryFolders folders{dir / "user", {dir / "program", dir / "share"}};

    EXPECT_EQ(locateDictionary(folders, kOksmFile), dir / "program" / "Oksm.xml");
    EXPECT_EQ(locateDictionary(folders, kCurrencyRatesFile), dir / "share" / "CurrencyRates.xml");
    EXPECT_EQ(locateDictionary(folders, kOkvedFile), std::nullopt);
    writeBytes(dir / "user" / "Oksm.xml", "<OKSM/>");
    EXPECT_EQ(locateDictionary(folders, kOksmFile), dir / "user" / "Oksm.xml");
    EXPECT_EQ(locateDictionary(DictionaryFolders{}, kOksmFile), std::nullopt);
}

TEST(DictionaryFiles, FoldersOfAProgram) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string savedValue = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/home/u/.data", 1);
    DictionaryFolders folders = dictionaryFoldersFor("/opt/velmar/bin");
    EXPECT_EQ(folders.userFolder, "/home/u/.data/velmar");
    EXPECT_EQ(importedInspectionDirectoryPath(folders), "/home/u/.data/velmar/InspectionNumbers.xml");
    EXPECT_EQ(folders.programFolders,
              (std::vector<std::filesystem::path>{"/opt/velmar/bin", "/opt/velmar/bin/../share/velmar"}));
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        EXPECT_EQ(dictionaryFoldersFor("/x").userFolder, std::filesystem::path(home) / ".local/share/velmar");
    }
    if (saved)
        setenv("XDG_DATA_HOME", savedValue.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

// The files shipped with the program, where the build puts them beside it.
TEST(ShippedData, CountriesAndCurrenciesLoad) {
    const std::filesystem::path data = VELMAR_DATA_DIR;
    const auto countries = loadOksm(data / kOksmFile);
    ASSERT_GT(countries.size(), 200u);
    const auto russia = preselectCountry(countries, kRussiaCountryCode);
    ASSERT_TRUE(russia);
    EXPECT_EQ(countries[*russia].name, "Российская Федерация");
    std::set<std::string> codes;
    for (const CodeName& country : countries) {
        EXPECT_EQ(country.code.size(), 3u) << country.code;
        EXPECT_TRUE(codes.insert(country.code).second) << country.code;
        EXPECT_FALSE(country.name.empty()) << country.code;
    }

    const CurrencyRates rates = loadCurrencyRates(data / kCurrencyRatesFile);
    const CurrencyEntry* usd = FindCurrency(&rates, "840");
    ASSERT_TRUE(usd);
    EXPECT_EQ(usd->name, "Доллар США");
    EXPECT_EQ(FindCurrency(&rates, "643"), nullptr); // the rouble is no foreign currency
    for (const CurrencyEntry& currency : rates.currencies)
        EXPECT_TRUE(currency.rates.empty()) << currency.code; // no rates are shipped
}

} // namespace
} // namespace velmar
