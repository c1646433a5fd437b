# Writes OUTPUT, a C++ file holding the bytes of TEMPLATE (pk001.fsh) and PALETTE (fifa2k.pal),
# so vestrix-convert carries the pristine shipped files inside itself.
# Run as: cmake -DOUTPUT=... -DTEMPLATE=... -DPALETTE=... -P embed_files.cmake
function(byte_array file out)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
    set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

byte_array(${TEMPLATE} template_bytes)
byte_array(${PALETTE} palette_bytes)
file(WRITE ${OUTPUT}.new
"// Generated at build time from resources/pk001.fsh and resources/fifa2k.pal; do not edit.
#include \"batch/embedded_resources.h\"

namespace {
const std::uint8_t kTemplate[] = {
${template_bytes}};
const std::uint8_t kPaletteFile[] = {
${palette_bytes}};
}  // namespace

std::span<const std::uint8_t> EmbeddedResources::templateFile() { return kTemplate; }
std::span<const std::uint8_t> EmbeddedResources::paletteFile() { return kPaletteFile; }
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
