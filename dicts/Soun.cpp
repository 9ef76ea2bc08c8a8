#include "dicts/Soun.h"

#include "dicts/DictError.h"
#include "dicts/DictionaryFiles.h"
#include "dicts/InspectionNumbers.h"
#include "dicts/TextUtil.h"
#include "platform/CodePage.h"
#include "platform/FileIo.h"

#include <cstdint>
#include <optional>
#include <system_error>

namespace velmar {

namespace {

constexpr std::size_t kFieldDescriptorLength = 32;
constexpr char kFieldTerminator = 0x0D;
constexpr char kEndOfFileMark = 0x1A;
constexpr char kDeletedMark = '*';

std::uint32_t readLe32(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::uint16_t readLe16(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset])
                                      | (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

struct Field {
    std::size_t offset; // within the record; the deletion flag is byte 0
    std::size_t length;
    char type;
};

class HeaderError {
public:
    explicit HeaderError(std::string_view sourceName) : source_(sourceName) {}
    DictError operator()(std::string_view what) const {
        return DictError("Файл \"" + source_ + "\" не является классификатором СОУН: " + std::string(what));
    }

private:
    std::string source_;
};

// The field descriptors follow the 32-byte header, 32 bytes each, up to a 0x0D.
std::vector<Field> readFields(std::string_view dbf, std::size_t headerLength, const HeaderError& bad) {
    std::vector<Field> fields;
    std::size_t offset = 1;
    for (std::size_t at = kSounHeaderLength;; at += kFieldDescriptorLength) {
        if (at >= headerLength)
            throw bad("в заголовке нет конца описания полей");
        if (dbf[at] == kFieldTerminator)
            return fields;
        if (at + kFieldDescriptorLength > headerLength)
            throw bad("описание полей выходит за заголовок");
        const std::size_t length = static_cast<unsigned char>(dbf[at + 16]);
        fields.push_back(Field{offset, length, dbf[at + 11]});
        offset += length;
    }
}

// Each range the import reads must be exactly one field of the record, so that
// a file of another layout fails here instead of yielding rubbish.
void checkLayout(const std::vector<Field>& fields, const HeaderError& bad) {
    std::size_t total = 1;
    for (const Field& field : fields)
        total += field.length;
    if (total != kSounRecordLength)
        throw bad("длина полей записи " + std::to_string(total) + " вместо " + std::to_string(kSounRecordLength));
    struct Range {
        std::size_t offset, length;
        bool text;
    };
    const Range ranges[] = {{kSounCodeOffset, kSounCodeLength, true},
                            {kSounClosedOffset, kSounClosedLength, false},
                            {kSounNameOffset, kSounNameLength, true},
                            {kSounActiveOffset, kSounActiveLength, false},
                            {kSounEndOffset, kSounEndLength, false}};
    for (const Range& range : ranges) {
        bool found = false;
        for (const Field& field : fields)
            if (field.offset == range.offset && field.length == range.length && (!range.text || field.type == 'C'))
                found = true;
        if (!found)
            throw bad("нет поля длиной " + std::to_string(range.length) + " со смещением " + std::to_string(range.offset));
    }
}

std::string_view fieldText(std::string_view record, std::size_t offset, std::size_t length) {
    return trimText(record.substr(offset, length));
}

bool isOfficeCode(std::string_view code) {
    if (code.size() != 4)
        return false;
    for (char c : code)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Offices whose codes end in "00" are the regional offices, which do not take
// returns; office 0400 is the exception.
bool takesReturns(std::string_view code) { return code.substr(2, 2) != "00" || code == "0400"; }

std::optional<CodeName> officeOf(std::string_view record) {
    if (record[0] == kDeletedMark)
        return std::nullopt;
    // A code shorter than four digits is a damaged record, not an office.
    const std::string_view code = fieldText(record, kSounCodeOffset, kSounCodeLength);
    if (!isOfficeCode(code) || !takesReturns(code))
        return std::nullopt;
    if (!fieldText(record, kSounClosedOffset, kSounClosedLength).empty())
        return std::nullopt;
    if (fieldText(record, kSounActiveOffset, kSounActiveLength) != "1")
        return std::nullopt;
    if (!fieldText(record, kSounEndOffset, kSounEndLength).empty())
        return std::nullopt;
    auto name = cp866ToUtf8(fieldText(record, kSounNameOffset, kSounNameLength));
    if (!name)
        return std::nullopt;
    // Control characters inside a name cannot be written to XML.
    for (char& c : *name)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return CodeName{std::string(code), std::move(*name)};
}

} // namespace

std::vector<CodeName> readSounOffices(std::string_view dbf, std::string_view sourceName) {
    const HeaderError bad(sourceName);
    if (dbf.size() < kSounHeaderLength)
        throw bad("файл короче заголовка");
    const std::uint32_t recordCount = readLe32(dbf, 4);
    const std::size_t headerLength = readLe16(dbf, 8);
    const std::size_t recordLength = readLe16(dbf, 10);
    if (recordLength != kSounRecordLength)
        throw bad("длина записи " + std::to_string(recordLength) + " вместо " + std::to_string(kSounRecordLength));
    if (headerLength < kSounHeaderLength + 1 || headerLength > dbf.size())
        throw bad("неверная длина заголовка " + std::to_string(headerLength));
    checkLayout(readFields(dbf, headerLength, bad), bad);

    std::vector<CodeName> offices;
    std::size_t position = headerLength;
    for (std::uint32_t read = 0; read < recordCount && position < dbf.size(); ++read) {
        // dBASE closes the file with one end-of-file byte; it is not a record.
        if (dbf.size() - position == 1 && dbf[position] == kEndOfFileMark)
            break;
        if (dbf.size() - position < kSounRecordLength)
            throw DictError("Error read file:" + std::string(sourceName));
        if (auto office = officeOf(dbf.substr(position, kSounRecordLength)))
            offices.push_back(std::move(*office));
        position += kSounRecordLength;
    }
    return offices;
}

std::size_t importSoun(const std::filesystem::path& source, const std::filesystem::path& target,
                       std::string_view version, std::string_view date) {
    InspectionDirectory directory;
    directory.version = version;
    directory.date = date;
    directory.inspections = readSounOffices(readDictionaryFile(source), source.string());
    const std::string text = inspectionDirectoryText(directory);
    try {
        if (target.has_parent_path())
            std::filesystem::create_directories(target.parent_path());
        replaceFile(target, text);
    } catch (const FileError& e) {
        throw DictError(e.what());
    } catch (const std::filesystem::filesystem_error& e) {
        throw DictError("Не удалось создать папку \"" + target.parent_path().string() + "\": " + e.code().message());
    }
    return directory.inspections.size();
}

} // namespace velmar
