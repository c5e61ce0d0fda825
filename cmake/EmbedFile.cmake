# SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
# Run as a script: writes OUTPUT, a C++ source defining the bytes of INPUT as
#   extern const unsigned char NAME[]; extern const std::size_t NAME_size;
file(READ "${INPUT}" _hex HEX)
string(LENGTH "${_hex}" _hex_length)
math(EXPR _size "${_hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " _bytes "${_bytes}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n\nextern const unsigned char ${NAME}[] = {\n    ${_bytes}\n};\nextern const std::size_t ${NAME}_size = ${_size};\n")
