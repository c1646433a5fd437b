// Arbitrary bytes as the palette file: read or refused with PaletteFileError, and what is read
// always fits a palette.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "conversion/conversion_error.h"
#include "conversion/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const Palette palette =
            ParsePaletteFile(std::string_view(reinterpret_cast<const char*>(data), size));
        for (const PaletteColor& c : palette) {
            if (c.Red < 0 || c.Red > 255 || c.Green < 0 || c.Green > 255 || c.Blue < 0 ||
                c.Blue > 255)
                std::abort();
        }
    } catch (const PaletteFileError&) {
    }
    return 0;
}
