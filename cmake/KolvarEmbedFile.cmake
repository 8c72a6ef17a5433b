# Script mode: turn the file IN into a C++ source OUT defining SYMBOL and SYMBOL_size.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){32})" "\\1\n" body "${body}")
file(WRITE ${OUT}
"#include <cstddef>\n"
"extern const unsigned char ${SYMBOL}[];\n"
"extern const std::size_t ${SYMBOL}_size;\n"
"alignas(16) const unsigned char ${SYMBOL}[] = {\n${body}0x00};\n"
"const std::size_t ${SYMBOL}_size = ${size};\n")
