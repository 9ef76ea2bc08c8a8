#pragma once
// A classifier file "soun1.dbf" built from the dBASE rules, for the tests of
// the import and of its dialog.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmar::test {

// Header: version byte, YYMMDD, record count (LE32 at 4), header length (LE16
// at 8), record length (LE16 at 10), 20 reserved bytes; then one 32-byte
// descriptor per field (name, type at 11, length at 16), closed by 0x0D.
// Records follow the header, each starting with its deletion flag.

struct FieldLayout {
    const char* name;
    char type;
    std::uint8_t length;
};

// The classifier's layout: the fields the import reads start at 1, 7, 161,
// 411 and 934; the others fill the record up to 1194 bytes.
inline std::vector<FieldLayout> sounFields() {
    return {{"KOD", 'C', 4},     {"FILL1", 'C', 2},   {"DATAZ", 'C', 30},  {"FILL2", 'C', 124},
            {"NAIM", 'C', 250},  {"PRIZ", 'C', 1},    {"FILL3", 'C', 255}, {"FILL4", 'C', 255},
            {"FILL5", 'C', 12},  {"DATAK", 'C', 10},  {"FILL6", 'C', 250}};
}

inline void putLe(std::string& bytes, std::size_t offset, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline std::string dbfHeader(std::uint32_t recordCount, const std::vector<FieldLayout>& fields = sounFields(),
                      int recordLength = -1) {
    std::string header(32, '\0');
    header[0] = 0x03;
    header[1] = 115; // 2015
    header[2] = 12;
    header[3] = 10;
    int total = 1;
    for (const FieldLayout& field : fields) {
        std::string descriptor(32, '\0');
        descriptor.replace(0, std::string(field.name).size(), field.name);
        descriptor[11] = field.type;
        descriptor[16] = static_cast<char>(field.length);
        header += descriptor;
        total += field.length;
    }
    header += '\x0D';
    putLe(header, 4, recordCount, 4);
    putLe(header, 8, static_cast<std::uint32_t>(header.size()), 2);
    putLe(header, 10, static_cast<std::uint32_t>(recordLength < 0 ? total : recordLength), 2);
    return header;
}

struct Record {
    std::string code;
    std::string name866;
    std::string active = "1";
    std::string closed = {};
    std::string end = {};
    char flag = ' ';
};

inline std::string record(const Record& r) {
    std::string bytes(1194, ' ');
    bytes[0] = r.flag;
    bytes.replace(1, r.code.size(), r.code);
    bytes.replace(7, r.closed.size(), r.closed);
    bytes.replace(161, r.name866.size(), r.name866);
    bytes.replace(411, r.active.size(), r.active);
    bytes.replace(934, r.end.size(), r.end);
    return bytes;
}

} // namespace velmar::test
