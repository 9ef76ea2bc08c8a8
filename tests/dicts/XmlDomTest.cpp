#include "platform/FileIo.h"
#include "platform/XmlDom.h"

#include "TestFiles.h"

#include <chrono>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::readBytes;
using test::TempDir;

TEST(XmlDomRead, Windows1251DocumentComesOutAsUtf8) {
    // <r a="Код"><e>ИФНС № 1</e><!-- c --><f/></r> in Windows-1251.
    const std::string bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                              "<r a=\"\xCA\xEE\xE4\"><e>\xC8\xD4\xCD\xD1 \xB9 1</e><!-- c -->text<f/></r>";
    XmlDocument doc = XmlDocument::parseMemory(bytes, "test");
    XmlElement root = doc.root();
    EXPECT_EQ(root.name(), "r");
    EXPECT_EQ(root.attribute("a"), std::optional<std::string>("Код"));
    EXPECT_EQ(root.attribute("missing"), std::nullopt);
    EXPECT_EQ(root.attributeText("missing"), "");
    ASSERT_EQ(root.childElements().size(), 2u); // the comment and the text are not elements
    EXPECT_EQ(root.childElements()[0].text(), "ИФНС № 1");
    EXPECT_EQ(root.firstChild("f").name(), "f");
    EXPECT_FALSE(root.firstChild("none"));
}

TEST(XmlDomRead, DamagedDocumentsGiveAClearError) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"cut inside a tag", "<?xml version=\"1.0\"?><r><e a=\"1"},
        {"unclosed element", "<r><e></r>"},
        {"two roots", "<r/><r/>"},
        {"bytes invalid in the declared UTF-8", std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>\xC8\xFF</r>")},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-no-such-code\"?><r/>"},
        {"NUL inside", std::string("<r>a\0b</r>", 10)},
        {"undefined entity", "<r>&nbsp;</r>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            XmlDocument::parseMemory(c.bytes, "damaged.xml");
            ADD_FAILURE() << "parsed";
        } catch (const XmlError& e) {
            EXPECT_NE(std::string(e.what()).find("damaged.xml"), std::string::npos) << e.what();
        }
    }
}

TEST(XmlDomRead, DocumentsWithADtdAreRefusedWithoutFetchingAnything) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"external entity (XXE)",
         "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>"},
        {"external entity in an attribute",
         "<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><r a=\"1\">&x;</r>"},
        {"parameter entity from the network",
         "<!DOCTYPE r [<!ENTITY % p SYSTEM \"http://192.0.2.1/evil.dtd\"> %p;]><r/>"},
        {"external DTD", "<!DOCTYPE r SYSTEM \"http://192.0.2.1/r.dtd\"><r/>"},
        {"internal entity", "<!DOCTYPE r [<!ENTITY x \"abc\">]><r>&x;</r>"},
        {"nested entities (billion laughs)",
         "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
         "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
         "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\"><!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\">]>"
         "<r>&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;</r>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(XmlDocument::parseMemory(c.bytes, "evil.xml"), XmlError);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
}

TEST(XmlDomWrite, SerialisesInWindows1251WithEscapes) {
    XmlDocument doc = XmlDocument::create("Файл");
    XmlElement root = doc.root();
    root.setAttribute("ИдФайл", "x&<\"");
    root.appendChild("Документ").appendText("ИФНС № 1 & <Co>");
    root.appendChild("e").setAttribute("a", "");
    // Windows-1251: Ф=D4 а=E0 й=E9 л=EB И=C8 д=E4 Д=C4 о=EE к=EA у=F3 м=EC е=E5 н=ED т=F2 С=D1 Н=CD №=B9.
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "<\xD4\xE0\xE9\xEB \xC8\xE4\xD4\xE0\xE9\xEB=\"x&amp;&lt;&quot;\">"
        "<\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2>\xC8\xD4\xCD\xD1 \xB9 1 &amp; &lt;Co&gt;</\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2>"
        "<e a=\"\"/></\xD4\xE0\xE9\xEB>\n";
    EXPECT_EQ(doc.toCp1251Text(), expected);
}

TEST(XmlDomWrite, CharactersWindows1251LacksBecomeReferencesAndReadBack) {
    XmlDocument doc = XmlDocument::create("r");
    doc.root().setAttribute("a", "Ω");
    doc.root().appendText("α=Ж");
    const std::string text = doc.toCp1251Text();
    EXPECT_NE(text.find("&#937;"), std::string::npos) << text;
    EXPECT_NE(text.find("&#945;=\xC6"), std::string::npos) << text;
    XmlDocument back = XmlDocument::parseMemory(text, "back");
    EXPECT_EQ(back.root().attributeText("a"), "Ω");
    EXPECT_EQ(back.root().text(), "α=Ж");
}

TEST(XmlDomWrite, RefusesTextXmlCannotCarry) {
    XmlDocument doc = XmlDocument::create("r");
    EXPECT_THROW(doc.root().appendText("a\x01" "b"), XmlError);
    EXPECT_THROW(doc.root().setAttribute("a", "\x1F"), XmlError);
    EXPECT_THROW(doc.root().appendText("\xC8\xD4"), XmlError); // Windows-1251 bytes, not UTF-8
    EXPECT_THROW(doc.root().appendChild("1bad"), XmlError);
    EXPECT_THROW(XmlDocument::create("a b"), XmlError);
    EXPECT_NO_THROW(doc.root().appendText("tab\tand\r\nbreaks"));
}

TEST(XmlDomWrite, SaveReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    test::writeBytes(dir / "out.xml", "old");
    XmlDocument doc = XmlDocument::create("r");
    doc.root().appendText("Ж");
    doc.saveCp1251(dir / "out.xml");
    const std::string saved = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<r>\xC6</r>\n";
    EXPECT_EQ(readBytes(dir / "out.xml"), saved);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

    // A rename that fails (the target is a folder) leaves no temporary behind.
    std::filesystem::create_directory(dir / "taken");
    test::writeBytes(dir / "taken" / "inside", "x");
    EXPECT_THROW(doc.saveCp1251(dir / "taken"), FileError);
    EXPECT_EQ(readBytes(dir / "taken" / "inside"), "x");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 2);
    EXPECT_THROW(doc.saveCp1251(dir / "no-such-folder" / "out.xml"), FileError);
}

TEST(XmlDomRead, MissingFileNamesTheFile) {
    try {
        XmlDocument::parseFile("/nonexistent/velmar/x.xml");
        ADD_FAILURE();
    } catch (const XmlError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/velmar/x.xml"), std::string::npos);
    }
}

} // namespace
} // namespace velmar
