// What a FIFA 99 kit lacks against the bytes the conversion will read.
#include "conversion/kit_gaps.h"

#include <algorithm>
#include <string_view>

#include "conversion/conversion_table.h"

namespace {

std::string bytesText(std::uint64_t count) { return std::to_string(count) + " bytes"; }

/** The conversion table in source order, each FIFA 99 picture once. */
std::vector<const ConversionTarget*> sourcePictures() {
    std::vector<const ConversionTarget*> pictures;
    for (const ConversionTarget& target : conversionTable()) {
        bool seen = false;
        for (const ConversionTarget* p : pictures) seen = seen || p->sourceTag == target.sourceTag;
        if (!seen) pictures.push_back(&target);
    }
    return pictures;
}

/** Bytes per colour of the palette types the conversion reads; 0 for any other block. */
std::uint64_t paletteBytes(std::uint8_t type) {
    if (type == 0x2A) return 256 * 4;
    if (type == 0x24) return 256 * 3;
    return 0;
}

}  // namespace

KitGaps KitGaps::of(const SourceArchive& source) {
    KitGaps result;
    const std::uint64_t length = source.size();
    const std::uint64_t directoryEnd = 16 + 8 * SourceArchive::kDirectoryRecords;
    if (directoryEnd > length) {
        result.damage.push_back("the directory needs " + bytesText(directoryEnd));
    }
    for (const ConversionTarget* picture : sourcePictures()) {
        const std::string tag(picture->sourceTag);
        const auto entry = source.findEntry(picture->sourceTag);
        if (!entry) {
            result.missingPictures.push_back(tag);
            continue;
        }
        if (*entry + 16 > length) {
            result.damage.push_back(tag + " starts past the end");
            continue;
        }
        const std::uint64_t pixelsEnd =
            *entry + 16 + static_cast<std::uint64_t>(picture->sourceWidth) * picture->sourceHeight;
        if (pixelsEnd > length)
            result.damage.push_back(tag + "'s pixels run to byte " + std::to_string(pixelsEnd));
        const std::uint64_t block =
            *entry + (source.byteAt(*entry + 1) | source.byteAt(*entry + 2) << 8);
        // Past the end even its type is unknown, so how far it would run cannot be told.
        const std::uint64_t paletteEnd = block + 16 + paletteBytes(source.byteAt(block));
        if (block >= length)
            result.damage.push_back(tag + "'s palette starts past the end");
        else if (paletteEnd > length)
            result.damage.push_back(tag + "'s palette runs to byte " + std::to_string(paletteEnd));
    }
    if (!result.damage.empty())
        result.damage.insert(result.damage.begin(), "the file has " + bytesText(length));
    return result;
}

bool KitGaps::listsNoJerseyPicture() const {
    return missingPictures.size() == sourcePictures().size();
}

const char* pictureDescription(const std::string& sourceTag) {
    if (sourceTag == "hjfr") return "front";
    if (sourceTag == "hjbk") return "back";
    if (sourceTag == "mjfr") return "small front";
    if (sourceTag == "hrsv") return "sleeve";
    if (sourceTag == "mrsv") return "small sleeve";
    return "picture";
}
