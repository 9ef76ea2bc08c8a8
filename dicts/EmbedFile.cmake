# cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P EmbedFile.cmake
# Writes a C++ source that defines `const unsigned char SYMBOL[]` with the bytes
# of INPUT followed by one NUL, and `const std::size_t SYMBOLSize` (without it).
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n\nnamespace velmar {\n"
"extern const unsigned char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\n"
"const unsigned char ${SYMBOL}[] = {\n${bytes}0x00};\n"
"const std::size_t ${SYMBOL}Size = ${byte_count};\n} // namespace velmar\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
