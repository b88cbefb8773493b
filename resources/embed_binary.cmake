# Writes a C++ source file that holds the bytes of a binary file as an array,
# so that the file's content is built into a binary without any external tool.
#
#   cmake -DINPUT=kvr_gui.res -DOUTPUT=kvr_gui_res.cpp -DHEADER=path/to/decl.h
#         -DNAMESPACE=kvr::ui -DSYMBOL=kvrResourceImage -P embed_binary.cmake
#
# Defines NAMESPACE::SYMBOL (const unsigned char[]) and SYMBOL##Size
# (const std::size_t), as declared in HEADER.

foreach(var INPUT OUTPUT HEADER NAMESPACE SYMBOL)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "embed_binary.cmake: ${var} is not set")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
    message(FATAL_ERROR "embed_binary.cmake: ${INPUT} is empty")
endif()
math(EXPR size "${digits} / 2")

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line (CMake's regular expressions have no {n}).
string(REPEAT "0x..," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
get_filename_component(input_name "${INPUT}" NAME)

file(WRITE "${OUTPUT}"
"// Generated from ${input_name} by embed_binary.cmake: do not edit.
#include \"${HEADER}\"

namespace ${NAMESPACE} {

alignas(4) const unsigned char ${SYMBOL}[${size}] = {
    ${bytes}
};
const std::size_t ${SYMBOL}Size = ${size};

}  // namespace ${NAMESPACE}
")
