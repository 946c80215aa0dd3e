# Writes a C++ file holding the engine image and the skin as constant byte arrays.
# Run at build time: cmake -DENGINE=<file> -DSKIN=<file> -DOUTPUT=<file.cpp> -P this.
function(byte_array file variable)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" digits)
    if(digits EQUAL 0)
        message(FATAL_ERROR "${file} is empty")
    endif()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Sixteen bytes a line keeps the generated file readable in a diff or an editor.
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    set(${variable} "${bytes}" PARENT_SCOPE)
endfunction()

byte_array(${ENGINE} engine_bytes)
byte_array(${SKIN} skin_bytes)
file(WRITE ${OUTPUT}
"// Generated at build time from the engine library and the skin file; not edited by hand.
#include \"resources/carried_resources.h\"

namespace urlpush {
namespace {

constexpr unsigned char kEngine[] = {
    ${engine_bytes}};
constexpr unsigned char kSkin[] = {
    ${skin_bytes}};

}  // namespace

std::string_view CarriedSkinLibrary() {
    return {reinterpret_cast<const char*>(kEngine), sizeof kEngine};
}

std::string_view CarriedSkin() { return {reinterpret_cast<const char*>(kSkin), sizeof kSkin}; }

}  // namespace urlpush
")
