// FIFA 99 kits and palette files, each damaged in one way, for testing how the tool meets them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace DamagedFiles {

struct DamagedFile {
    std::string name;  // "kits/cut_in_front.fsh", "palettes/wrong_magic.pal"
    std::vector<std::uint8_t> bytes;
};

/**
 * Every kit is our sample kit "stripes" with one fault: a header that fails the quick check, a
 * file cut short at several places, an entry pointing past the end, a picture the directory
 * leaves out, a palette of unknown type. Every palette file is our fifa2k.pal with one fault.
 */
std::vector<DamagedFile> all();

/** Writes all() under folder; throws std::runtime_error naming a file that cannot be written. */
void write(const std::filesystem::path& folder);

}  // namespace DamagedFiles
