#include "dicts/DictError.h"
#include "dicts/InspectionNumbers.h"
#include "dicts/Soun.h"

#include "SounFixture.h"
#include "TestFiles.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::dbfHeader;
using test::FieldLayout;
using test::putLe;
using test::readBytes;
using test::record;
using test::Record;
using test::sounFields;
using test::TempDir;
using test::writeBytes;

// "ИФНС № 1" in CP866, and the same in Windows-1251.
const std::string kName866 = "\x88\x94\x8D\x91 \xFC 1";
const std::string kName1251 = "\xC8\xD4\xCD\xD1 \xB9 1";

std::vector<std::string> codesOf(const std::vector<CodeName>& offices) {
    std::vector<std::string> codes;
    for (const CodeName& office : offices)
        codes.push_back(office.code);
    return codes;
}

// ---- Record rules ----------------------------------------------------------

TEST(SounRecords, WhichRecordsBecomeOffices) {
    const struct {
        const char* what;
        Record record;
        bool taken;
    } cases[] = {
        {"ordinary office", {"7701", kName866}, true},
        {"regional office ending in 00", {"7700", kName866}, false},
        {"office 0400 despite its 00", {"0400", kName866}, true},
        {"not active (0 at 411)", {"7701", kName866, "0"}, false},
        {"blank at 411", {"7701", kName866, " "}, false},
        {"text at offset 7", {"7701", kName866, "1", "01.01.2014"}, false},
        {"text at offset 934", {"7701", kName866, "1", "", "01.01.2015"}, false},
        {"marked deleted", {"7701", kName866, "1", "", "", '*'}, false},
        {"code shorter than four", {"77", kName866}, false},
        {"code of two characters ending in 00", {"00", kName866}, false},
        {"blank code", {"", kName866}, false},
        {"code with letters", {"77A1", kName866}, false},
        {"code padded with spaces", {" 771", kName866}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto offices = readSounOffices(dbfHeader(1) + record(c.record), "soun1.dbf");
        EXPECT_EQ(offices.size(), c.taken ? 1u : 0u);
    }
}

TEST(SounRecords, NameIsTrimmedAndConvertedFromCp866) {
    Record r{"5001", "  " + kName866 + "\t\x01 "};
    r.name866[5] = '\x07'; // a control character inside the name
    const auto offices = readSounOffices(dbfHeader(1) + record(r), "soun1.dbf");
    ASSERT_EQ(offices.size(), 1u);
    EXPECT_EQ(offices[0].code, "5001");
    EXPECT_EQ(offices[0].name, "ИФН  № 1"); // the bell in place of С became a space
}

TEST(SounRecords, RecordCountAndEndOfFile) {
    const std::string a = record({"0101", kName866});
    const std::string b = record({"0102", kName866});
    // The count bounds the records read, even with more in the file.
    EXPECT_EQ(codesOf(readSounOffices(dbfHeader(1) + a + b, "s")), std::vector<std::string>{"0101"});
    // A count larger than the records present stops at the end of the file,
    // with or without dBASE's end-of-file byte.
    EXPECT_EQ(codesOf(readSounOffices(dbfHeader(5) + a + b, "s")), (std::vector<std::string>{"0101", "0102"}));
    EXPECT_EQ(codesOf(readSounOffices(dbfHeader(5) + a + b + "\x1A", "s")),
              (std::vector<std::string>{"0101", "0102"}));
    EXPECT_TRUE(readSounOffices(dbfHeader(0) + a, "s").empty());

    // A file that ends inside a record fails as a whole.
    try {
        readSounOffices(dbfHeader(2) + a + b.substr(0, 700), "/data/soun1.dbf");
        ADD_FAILURE() << "a cut record was accepted";
    } catch (const DictError& e) {
        EXPECT_STREQ(e.what(), "Error read file:/data/soun1.dbf");
    }
}

TEST(SounHeader, AnythingButTheClassifierLayoutIsRefused) {
    auto longerCode = sounFields();
    longerCode[0].length = 5; // the next field shrinks, so offsets after it stay
    longerCode[1].length = 1;
    auto shifted = sounFields();
    shifted[1].length = 3; // the blank-date field starts at 8 instead of 7
    shifted[2].length = 29;
    auto numericName = sounFields();
    numericName[4].type = 'N';
    auto shortRecord = sounFields();
    shortRecord.pop_back();
    std::string noTerminator = dbfHeader(0);
    noTerminator.back() = ' ';
    std::string headerPastEnd = dbfHeader(0);
    putLe(headerPastEnd, 8, 60000, 2);

    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"shorter than the header", dbfHeader(0).substr(0, 31)},
        {"header cut inside the field list", dbfHeader(0).substr(0, 100)},
        {"record length in the header is not 1194", dbfHeader(0, sounFields(), 1000)},
        {"fields do not add up to the record length", dbfHeader(0, shortRecord, 1194)},
        {"fields at other offsets", dbfHeader(0, shifted)},
        {"code field of another length", dbfHeader(0, longerCode)},
        {"name field not text", dbfHeader(0, numericName)},
        {"no end of the field list", noTerminator},
        {"header length beyond the file", headerPastEnd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            readSounOffices(c.bytes, "soun1.dbf");
            ADD_FAILURE() << "accepted";
        } catch (const DictError& e) {
            EXPECT_NE(std::string(e.what()).find("не является классификатором СОУН"), std::string::npos) << e.what();
        }
    }
}

TEST(SounHeader, EveryCutOfAValidFileIsReadOrRefusedCleanly) {
    const std::string file = dbfHeader(2) + record({"0101", kName866}) + record({"0102", kName866});
    for (std::size_t length = 0; length < file.size(); ++length) {
        try {
            auto offices = readSounOffices(std::string_view(file).substr(0, length), "cut");
            EXPECT_LE(offices.size(), 1u);
        } catch (const DictError&) {
        }
    }
}

// ---- The import --------------------------------------------------------------

TEST(SounImport, WritesTheDirectoryByteForByte) {
    TempDir dir;
    writeBytes(dir / "soun1.dbf", dbfHeader(4) + record({"7701", kName866}) + record({"7700", kName866})
                                      + record({"0400", "\x80"}) + record({"7702", kName866, "0"}) + "\x1A");
    const auto target = dir / "user" / "velmar" / "InspectionNumbers.xml"; // folder not there yet
    EXPECT_EQ(importSoun(dir / "soun1.dbf", target, kSounDirectoryVersion, "10.12.2015"), 2u);
    EXPECT_EQ(readBytes(target), "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                                 "<Inspections Version=\"00\" Date=\"10.12.2015\">"
                                 "<Inspection Code=\"7701\">" + kName1251 + "</Inspection>"
                                 "<Inspection Code=\"0400\">\xC0</Inspection>"
                                 "</Inspections>\n");

    const InspectionDirectory directory = loadInspectionDirectory(target);
    EXPECT_EQ(directory.version, "00");
    EXPECT_EQ(directory.date, "10.12.2015");
    EXPECT_EQ(directory.inspections, (std::vector<CodeName>{{"7701", "ИФНС № 1"}, {"0400", "А"}}));
}

TEST(SounImport, NoRecordsGiveTheRootWithItsAttributesOnly) {
    TempDir dir;
    writeBytes(dir / "soun1.dbf", dbfHeader(0));
    importSoun(dir / "soun1.dbf", dir / "out.xml", "", "");
    EXPECT_EQ(readBytes(dir / "out.xml"),
              "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Inspections Version=\"\" Date=\"\"/>\n");
}

TEST(SounImport, AFailedImportLeavesTheOldDirectory) {
    TempDir dir;
    const std::string old = "<?xml version=\"1.0\"?><Inspections Version=\"00\" Date=\"01.01.2015\"/>";
    writeBytes(dir / "InspectionNumbers.xml", old);
    const auto target = dir / "InspectionNumbers.xml";

    writeBytes(dir / "cut.dbf", dbfHeader(2) + record({"0101", kName866}) + std::string(100, ' '));
    writeBytes(dir / "other.dbf", dbfHeader(0, sounFields(), 400));
    for (const char* source : {"cut.dbf", "other.dbf", "missing.dbf"}) {
        SCOPED_TRACE(source);
        EXPECT_THROW(importSoun(dir / source, target, "00", "10.12.2015"), DictError);
        EXPECT_EQ(readBytes(target), old);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
              3); // the old directory and the two sources: no temporary left
}

// ---- The directory and its pick list ----------------------------------------

TEST(InspectionDirectory, PreselectTakesTheFirstMatchOrNothing) {
    const InspectionDirectory directory = parseInspectionDirectory(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?><Inspections Version=\"00\" Date=\"01.02.2015\">"
        "<Inspection Code=\"0101\">\xC0</Inspection><Inspection Code=\"7701\">\xC1</Inspection>"
        "<Inspection Code=\"7701\">\xC2</Inspection></Inspections>",
        "InspectionNumbers.xml");
    ASSERT_EQ(directory.inspections.size(), 3u);
    EXPECT_EQ(directory.inspections[1].name, "Б");
    EXPECT_EQ(preselectInspection(directory, "7701"), 1u);
    EXPECT_EQ(preselectInspection(directory, "0101"), 0u);
    EXPECT_EQ(preselectInspection(directory, "9999"), std::nullopt);
    EXPECT_EQ(preselectInspection(directory, ""), std::nullopt);
    EXPECT_EQ(preselectInspection(InspectionDirectory{}, "7701"), std::nullopt);
}

TEST(InspectionDirectory, DamagedFilesAreRefusedWithTheFileName) {
    TempDir dir;
    const std::string good = "<Inspections Version=\"00\" Date=\"01.02.2015\">"
                             "<Inspection Code=\"0101\">A</Inspection></Inspections>";
    writeBytes(dir / "wrong-root.xml", "<Oksm/>");
    writeBytes(dir / "cut.xml", good.substr(0, 60));
    writeBytes(dir / "binary.xml", std::string("\x00\x01\x02\xFF", 4));
    for (const char* name : {"wrong-root.xml", "cut.xml", "binary.xml", "missing.xml"}) {
        SCOPED_TRACE(name);
        try {
            loadInspectionDirectory(dir / name);
            ADD_FAILURE() << "loaded";
        } catch (const DictError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_THROW(parseInspectionDirectory(good.substr(0, length), "cut"), DictError) << length;
}

} // namespace
} // namespace velmar
