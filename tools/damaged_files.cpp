// Damaging our own sample kit and palette file one way at a time. Offsets come from the kit's
// directory, so the damage lands where it is meant to whatever the sample's layout.
#include "tools/damaged_files.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "tools/resource_set.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kDirectory = 16;
constexpr std::size_t kRecords = 14;

std::uint32_t u32At(const Bytes& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

void putU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

/** The directory record naming tag, in any case. */
std::size_t recordOf(const Bytes& kit, std::string_view tag) {
    for (std::size_t r = 0; r < kRecords; ++r) {
        const std::size_t record = kDirectory + 8 * r;
        bool same = true;
        for (std::size_t i = 0; i < 4; ++i) same = same && (kit[record + i] | 0x20) == tag[i];
        if (same) return record;
    }
    throw std::logic_error("the sample kit has no " + std::string(tag));
}

std::size_t entryOf(const Bytes& kit, std::string_view tag) {
    return u32At(kit, recordOf(kit, tag) + 4) & 0xFFFFFF;
}

/** The attached palette block of tag's picture. */
std::size_t paletteOf(const Bytes& kit, std::string_view tag) {
    const std::size_t entry = entryOf(kit, tag);
    return entry + (kit[entry + 1] | kit[entry + 2] << 8 | kit[entry + 3] << 16);
}

Bytes cut(const Bytes& bytes, std::size_t length) {
    return Bytes(bytes.begin(), bytes.begin() + length);
}

Bytes text(std::string_view characters) { return Bytes(characters.begin(), characters.end()); }

Bytes replacedLine(const Bytes& palette, std::size_t line, std::string_view replacement) {
    const std::string whole(palette.begin(), palette.end());
    std::size_t start = 0;
    for (std::size_t k = 0; k < line; ++k) start = whole.find('\n', start) + 1;
    const std::size_t end = whole.find('\r', start);
    return text(whole.substr(0, start) + std::string(replacement) + whole.substr(end));
}
}  // namespace

namespace DamagedFiles {

std::vector<DamagedFile> all() {
    auto resources = ResourceSet::generate();
    const Bytes kit = resources.at("samples/stripes.fsh");
    const Bytes palette = resources.at("fifa2k.pal");
    std::vector<DamagedFile> files;
    const auto add = [&files](const char* name, Bytes bytes) {
        files.push_back({name, std::move(bytes)});
    };

    // Headers that fail the quick check.
    add("kits/empty.fsh", {});
    add("kits/header_only.fsh", cut(kit, 8));
    Bytes lower = kit;
    lower[0] = 's', lower[1] = 'h', lower[2] = 'p', lower[3] = 'i';
    add("kits/lowercase_magic.fsh", lower);
    Bytes thirteen = kit;
    thirteen[8] = 13;
    add("kits/thirteen_pictures.fsh", thirteen);
    using namespace std::string_view_literals;
    add("kits/picture_file.fsh", text("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 not a kit at all"sv));

    // Passes the check: only the count's low byte is looked at.
    Bytes count270 = kit;
    putU32(count270, 8, 270);
    add("kits/count_270.fsh", count270);

    // Downloads cut short.
    add("kits/cut_in_directory.fsh", cut(kit, kDirectory + 8 * 5 + 3));
    add("kits/cut_in_front.fsh", cut(kit, entryOf(kit, "hjfr") + 16 + 128 * 64));
    std::size_t lastPalette = 0;
    for (const char* tag : {"hjfr", "hjbk", "mjfr", "hrsv", "mrsv"}) {
        lastPalette = std::max(lastPalette, paletteOf(kit, tag));
    }
    add("kits/cut_in_palette.fsh", cut(kit, lastPalette + 16 + 100));

    // Directory faults.
    Bytes pastEnd = kit;
    putU32(pastEnd, recordOf(kit, "hjbk") + 4, 0x00FFFFF0);
    add("kits/entry_past_end.fsh", pastEnd);
    Bytes noSleeve = kit;
    const std::size_t sleeve = recordOf(kit, "hrsv");
    noSleeve[sleeve] = 'x', noSleeve[sleeve + 1] = 'x', noSleeve[sleeve + 2] = 'x',
    noSleeve[sleeve + 3] = 'x';
    add("kits/no_sleeve.fsh", noSleeve);

    // A front picture whose palette block is of a kind the conversion does not read.
    Bytes unknownPalette = kit;
    unknownPalette[paletteOf(kit, "hjfr")] = 0x2D;
    add("kits/unknown_palette_type.fsh", unknownPalette);

    // Palette files: the magic, the count, the colours.
    add("palettes/empty.pal", {});
    add("palettes/wrong_magic.pal", replacedLine(palette, 0, "RIFF"));
    add("palettes/no_colour_count.pal", cut(palette, text("JASC-PAL\r\n0100\r\n").size()));
    add("palettes/count_257.pal", replacedLine(palette, 2, "257"));
    add("palettes/value_256.pal", replacedLine(palette, 3 + 40, "256 0 0"));
    add("palettes/negative_value.pal", replacedLine(palette, 3 + 41, "0 -1 0"));
    add("palettes/word_for_a_value.pal", replacedLine(palette, 3 + 42, "red 0 0"));
    add("palettes/cut_in_colours.pal", cut(palette, palette.size() / 2));
    Bytes binary(512);
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<std::uint8_t>(i * 7);
    add("palettes/binary.pal", binary);
    return files;
}

void write(const std::filesystem::path& folder) {
    for (const DamagedFile& file : all()) {
        const std::filesystem::path path = folder / file.name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace DamagedFiles
