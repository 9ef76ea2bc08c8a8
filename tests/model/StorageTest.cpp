// The container file byte by byte: header, typed values, stream search, errors.
#include "model/StgClasses.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velmar;
using velmar::test::header;
using velmar::test::v;

namespace {

// Writes values through a real save: loader of the exact size, storage, commit.
std::string writeImage(const std::function<void(mTDocumentStorage&)>& body) {
    uint32_t size = CountedSize(body) + mTDocumentStorage::kHeaderSize;
    test::TempDir dir;
    std::string path = dir.file("out.vx5");
    {
        mTFileLoader loader(path, size, false);
        mTDocumentStorage storage(&loader);
        storage.CreateHeader("Velm2015");
        body(storage);
        EXPECT_EQ(storage.Position, size);
        loader.Commit();
    }
    return test::readBytes(path);
}

struct Opened {
    test::TempDir dir;
    std::unique_ptr<mTFileLoader> loader;
    std::unique_ptr<mTDocumentStorage> storage;
    explicit Opened(const std::string& bytes) {
        test::writeBytes(dir.file("in.vx5"), bytes);
        loader = std::make_unique<mTFileLoader>(dir.file("in.vx5"), 0, true);
        storage = std::make_unique<mTDocumentStorage>(loader.get());
        storage->OpenHeader();
    }
};

} // namespace

TEST(PutField, FillsTruncatesAndLeavesEmpty) {
    char field[21] = "xxxxxxxxxxxxxxxxxxxx";
    PutField(field, "Velm2015", 20, ' ');
    EXPECT_EQ(std::string(field, 20), "            Velm2015");
    char two[3] = "ab";
    PutField(two, "1", 2, '0');
    EXPECT_EQ(std::string(two, 2), "01");
    PutField(two, "12345", 2, '0');
    EXPECT_EQ(std::string(two, 2), "12");
    PutField(two, "", 2, '0');
    EXPECT_EQ(std::string(two, 2), "12");
}

TEST(Storage, HeaderIsSixtyBytesAsLaidOut) {
    std::string bytes = writeImage([](mTDocumentStorage&) {});
    EXPECT_EQ(bytes, "DLSG            Velm20150102" + std::string(32, 'F'));
}

TEST(Storage, TypedValuesAreWrittenInTheirShortestText) {
    struct Case {
        const char* what;
        std::function<void(mTDocumentStorage&)> write;
        std::string expected;
    } cases[] = {
        {"empty string", [](auto& s) { s.WriteString(""); }, "0000"},
        {"cyrillic string", [](auto& s) { s.WriteString("Иванов"); }, "0006\xC8\xE2\xE0\xED\xEE\xE2"},
        {"money 12.5", [](auto& s) { s.WriteCurrency(Currency::fromUnits(125000)); }, "000412.5"},
        {"money 0", [](auto& s) { s.WriteCurrency(Currency()); }, "00010"},
        {"money -1", [](auto& s) { s.WriteCurrency(AbsentAmount); }, "0002-1"},
        {"money -0.0001", [](auto& s) { s.WriteCurrency(Currency::fromUnits(-1)); }, "0007-0.0001"},
        {"money 1234.5678", [](auto& s) { s.WriteCurrency(Currency::fromUnits(12345678)); }, "00091234.5678"},
        {"integer as unsigned", [](auto& s) { s.WriteInteger(static_cast<uint32_t>(-1)); }, "00104294967295"},
        {"word", [](auto& s) { s.WriteWord(65535); }, "000565535"},
        {"byte", [](auto& s) { s.WriteByte(1); }, "00011"},
        {"date 31.12.2015", [](auto& s) { s.WriteDate(encodeDateOrThrow(2015, 12, 31)); }, "000542369"},
        {"noon of that day", [](auto& s) { s.WriteDate(TDateTime{42369.5}); }, "000742369.5"},
        {"stream name", [](auto& s) { s.CreateStream("@DeclInfo"); }, "0009@DeclInfo"},
    };
    for (const auto& c : cases) {
        std::string bytes = writeImage(c.write);
        EXPECT_EQ(bytes.substr(60), c.expected) << c.what;
    }
}

TEST(Storage, ReadsEveryTypedFormIncludingTolerantOnes) {
    // A zero length before "7" (numbers read one byte then); the last value is Windows-1251 on disk.
    std::string file = header() + v("@S") + v("12,5") + v("a") + v("4294967295") + v("-5") + v("70000") + "0000" + "7"
           + v("42369.5") + v("42369,25") + "0006\xCF\xF0\xE8\xE2\xE5\xF2";
    Opened f(file);
    auto& s = *f.storage;
    s.OpenStream("@S");
    EXPECT_EQ(s.ReadCurrency(), Currency::fromUnits(125000));
    EXPECT_EQ(s.ReadCurrency(), AbsentAmount);
    EXPECT_EQ(s.ReadInteger(), -1) << "the writer's unsigned form reads back as two's complement";
    EXPECT_EQ(s.ReadInteger(), -5);
    EXPECT_EQ(s.ReadWord(), 70000 & 0xFFFF) << "cut to 16 bits";
    EXPECT_EQ(s.ReadByte(), 7) << "a zero length reads one byte for numbers";
    EXPECT_EQ(s.ReadDate(), TDateTime{42369.5});
    EXPECT_EQ(s.ReadDate(), TDateTime{42369.25});
    EXPECT_EQ(s.ReadString(), "Привет");
}

TEST(Storage, DatesBeforeLayout102AreDateTexts) {
    {
        Opened f(header("Velm2015", "01", "01") + v("@S") + v("31.12.2015") + v("01,02,2014"));
        f.storage->OpenStream("@S");
        EXPECT_EQ(f.storage->ReadDate(), encodeDateOrThrow(2015, 12, 31));
        EXPECT_EQ(f.storage->ReadDate(), encodeDateOrThrow(2014, 2, 1));
    }
    {
        Opened f(header() + v("@S") + v("31.12.2015"));
        f.storage->OpenStream("@S");
        EXPECT_THROW(f.storage->ReadDate(), EConvertError) << "a 1.02 file holds dates as numbers";
    }
}

TEST(Storage, StreamSearchMatchesWholeValuesOnly) {
    // "@Pens" is a prefix of "@PensSub000"; a user text "@Nalog" stands inside another value.
    std::string file = header() + v("@Pens") + v("1") + v("@PensSub000") + v("2") + v("x@Nalog") + v("@Nalog")
                       + v("3");
    Opened f(file);
    auto& s = *f.storage;
    s.OpenStream("@PensSub000");
    EXPECT_EQ(s.ReadString(), "2");
    s.OpenStream("@Pens");
    EXPECT_EQ(s.ReadString(), "1");
    s.OpenStream("@Nalog");
    EXPECT_EQ(s.ReadString(), "3");
    EXPECT_EQ(s.CurrentStream, "@Nalog");
    try {
        s.OpenStream("@Missing");
        FAIL() << "no exception";
    } catch (const mEOpenStream& e) {
        EXPECT_EQ(e.Code, 210);
        EXPECT_STREQ(e.what(), "Попытка открытия несуществующего потока");
    }
}

TEST(Storage, UserTextEqualToALaterStreamNameDoesNotHijackIt) {
    // A source named exactly "@Nalog" comes before the real stream.
    std::string file = header() + v("@Src") + v("@Nalog") + v("@Nalog") + v("0");
    Opened f(file);
    auto& s = *f.storage;
    s.OpenStream("@Src");
    EXPECT_EQ(s.ReadString(), "@Nalog");
    s.OpenStream("@Nalog");
    EXPECT_EQ(s.ReadWord(), 0);
}

TEST(Storage, DamagedValuesEndInTheConversionError) {
    struct Case {
        const char* what;
        std::string values;
    } cases[] = {
        {"length not digits", "00x1A"},
        {"length past the end", "0009abc"},
        {"nothing left", ""},
        {"only part of a length", "00"},
        {"number not a number", "0002x1"},
    };
    for (const auto& c : cases) {
        Opened f(header() + v("@S") + c.values);
        f.storage->OpenStream("@S");
        EXPECT_THROW(f.storage->ReadInteger(), EConvertError) << c.what;
    }
}

TEST(Storage, ZeroByteEndsTheData) {
    std::string file = header() + v("@S") + std::string("0001") + '\0' + "0003abc";
    Opened f(file);
    f.storage->OpenStream("@S");
    EXPECT_THROW(f.storage->ReadString(), EConvertError);
}

TEST(Storage, PreconditionsRaiseInTheirOrder) {
    test::TempDir dir;
    test::writeBytes(dir.file("r.vx5"), header());
    mTFileLoader readLoader(dir.file("r.vx5"), 0, true);
    mTDocumentStorage readOnly(&readLoader);

    auto codeOf = [](auto&& fn) -> std::pair<std::string, int> {
        try {
            fn();
        } catch (const mEWriteStorage& e) {
            return {"write", e.Code};
        } catch (const mEObjectAccess& e) {
            return {"access", e.Code};
        } catch (const mEAlreadyCreated& e) {
            return {"created", e.Code};
        } catch (const mEMemoryAllocate& e) {
            return {"memory", e.Code};
        }
        return {"none", 0};
    };
    using P = std::pair<std::string, int>;
    // Writes test for a writable storage before testing `Opened`.
    EXPECT_EQ(codeOf([&] { readOnly.WriteString("x"); }), P("write", 150));
    EXPECT_EQ(codeOf([&] { readOnly.WriteInteger(1); }), P("write", 160));
    EXPECT_EQ(codeOf([&] { readOnly.WriteWord(1); }), P("write", 170));
    EXPECT_EQ(codeOf([&] { readOnly.WriteCurrency(Currency()); }), P("write", 180));
    EXPECT_EQ(codeOf([&] { readOnly.WriteDate(TDateTime{}); }), P("write", 190));
    EXPECT_EQ(codeOf([&] { readOnly.WriteByte(1); }), P("write", 200));
    EXPECT_EQ(codeOf([&] { readOnly.CreateHeader("x"); }), P("write", 51));
    // CreateStream tests `Opened` first; reads test only `Opened`.
    EXPECT_EQ(codeOf([&] { readOnly.CreateStream("@x"); }), P("access", 82));
    EXPECT_EQ(codeOf([&] { readOnly.ReadString(); }), P("access", 93));
    EXPECT_EQ(codeOf([&] { readOnly.ReadInteger(); }), P("access", 102));
    EXPECT_EQ(codeOf([&] { readOnly.ReadWord(); }), P("access", 112));
    EXPECT_EQ(codeOf([&] { readOnly.ReadCurrency(); }), P("access", 122));
    EXPECT_EQ(codeOf([&] { readOnly.ReadDate(); }), P("access", 132));
    EXPECT_EQ(codeOf([&] { readOnly.ReadByte(); }), P("access", 142));
    EXPECT_EQ(codeOf([&] { readOnly.OpenStream("@x"); }), P("access", 211));
    readOnly.OpenHeader();
    EXPECT_EQ(codeOf([&] { readOnly.CreateStream("@x"); }), P("write", 81));
    EXPECT_EQ(codeOf([&] { readOnly.OpenHeader(); }), P("created", 69));

    mTFileLoader writeLoader(dir.file("w.vx5"), 100, false);
    mTDocumentStorage writable(&writeLoader);
    EXPECT_EQ(codeOf([&] { writable.WriteString("x"); }), P("access", 151));
    EXPECT_EQ(codeOf([&] { writable.WriteInteger(1); }), P("access", 161));
    EXPECT_EQ(codeOf([&] { writable.WriteByte(1); }), P("access", 201));
    writable.CreateHeader("Velm2015");
    EXPECT_EQ(codeOf([&] { writable.CreateHeader("Velm2015"); }), P("created", 52));

    mTDocumentStorage noLoader(nullptr);
    EXPECT_EQ(codeOf([&] { noLoader.CreateHeader("x"); }), P("memory", 50));
}

TEST(Storage, WrongMagicOrShortFileIsDamagedAndResetsTheStorage) {
    for (std::string bytes : {std::string("XLSG") + header().substr(4), std::string("DL"),
                              header().substr(0, 30)}) {
        test::TempDir dir;
        test::writeBytes(dir.file("bad.vx5"), bytes);
        mTFileLoader loader(dir.file("bad.vx5"), 0, true);
        mTDocumentStorage storage(&loader);
        try {
            storage.OpenHeader();
            FAIL() << "no exception for " << bytes;
        } catch (const mEBadStorage& e) {
            EXPECT_EQ(e.Code, 68);
            EXPECT_STREQ(e.what(), "Неправильный формат файла декларации, возможно он поврежден.");
        }
        EXPECT_FALSE(storage.Opened);
        EXPECT_EQ(storage.Position, 0u);
    }
}

TEST(Storage, HeaderFieldsAreRead) {
    Opened f(header("Velm2012", "01", "01"));
    EXPECT_EQ(f.storage->DeclTag, "Velm2012");
    EXPECT_EQ(f.storage->LayoutVersion(), 65537u);
    EXPECT_EQ(f.storage->HeaderReserved, std::string(32, 'F'));
    EXPECT_EQ(f.storage->Position, 60u);
}

TEST(Loader, ErrorsOfOpeningAFile) {
    test::TempDir dir;
    auto expectBad = [](const std::string& path, uint32_t size, bool readOnly, int code,
                        const std::string& message) {
        try {
            mTFileLoader loader(path, size, readOnly);
            FAIL() << "no exception";
        } catch (const mEBadStorage& e) {
            EXPECT_EQ(e.Code, code);
            EXPECT_EQ(std::string(e.what()), message);
        }
    };
    // Reading never creates the file.
    std::string missing = dir.file("missing.vx5");
    expectBad(missing, 0, true, 20, "Ошибка чтения файла: " + missing);
    EXPECT_FALSE(std::filesystem::exists(missing));

    // A file held by another loader is busy.
    std::string held = dir.file("held.vx5");
    test::writeBytes(held, header());
    mTFileLoader first(held, 0, true);
    expectBad(held, 0, true, 21,
              "Ошибка чтения файла: " + held + "\rВозможно он занят, или с признаком 'read only'");
    expectBad(held, 100, false, 21,
              "Ошибка чтения файла: " + held + "\rВозможно он занят, или с признаком 'read only'");

    // An empty file cannot be mapped.
    std::string empty = dir.file("empty.vx5");
    test::writeBytes(empty, "");
    try {
        mTFileLoader loader(empty, 0, true);
        FAIL() << "no exception";
    } catch (const mEMemoryAllocate& e) {
        EXPECT_EQ(e.Code, 25);
        EXPECT_STREQ(e.what(), "Создаваемый фаил отображения не может быть нулевой длины.");
    }
}

TEST(Loader, AnUncommittedSaveLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    std::string path = dir.file("keep.vx5");
    test::writeBytes(path, "old contents");
    {
        mTFileLoader loader(path, 100, false);
        mTDocumentStorage storage(&loader);
        storage.CreateHeader("Velm2015");
        // no Commit: the save was interrupted
    }
    EXPECT_EQ(test::readBytes(path), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(Storage, OverlongValueIsRefused) {
    test::TempDir dir;
    mTFileLoader loader(dir.file("long.vx5"), 20000, false);
    mTDocumentStorage storage(&loader);
    storage.CreateHeader("Velm2015");
    EXPECT_THROW(storage.WriteString(std::string(10000, 'x')), mEWriteStorage);
    EXPECT_THROW(storage.WriteString("日本"), mEWriteStorage) << "not Windows-1251";
}
