// vestrix-make-rich-kits OUTDIR COUNT: writes COUNT richly shaded FIFA 99 kits (rich-0000.fsh...),
// alternating the two palette block types, for measuring the converter on the heaviest input.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/fsh_blocks.h"
#include "tools/rich_kit.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vestrix-make-rich-kits OUTDIR COUNT\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const int count = std::atoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        const auto kit = RichKit::build(static_cast<std::uint32_t>(i),
                                        i % 2 ? FshBlocks::kPaletteRgb : FshBlocks::kPaletteBgra);
        char name[32];
        std::snprintf(name, sizeof name, "rich-%04d.fsh", i);
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(kit.data()),
                   static_cast<std::streamsize>(kit.size()));
    }
    return 0;
}
