// Checking a FIFA 2000 jersey template against the layout the conversion writes into.
#include "conversion/work_template_check.h"

#include <algorithm>
#include <cctype>

#include "conversion/work_file_layout.h"

namespace {

namespace L = WorkFileLayout;

constexpr std::uint32_t kPictures = 9;
constexpr std::uint32_t kDirectoryStart = 16;
constexpr std::uint32_t kEntryHeaderBytes = 16;
constexpr std::uint8_t kEightBitPicture = 0x7B;

std::uint32_t number(std::span<const std::uint8_t> bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool sameTag(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::tolower(bytes[at + i]) != tag[i]) return false;
    }
    return true;
}

}  // namespace

std::string workTemplateFault(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < L::kMinimumLength) {
        return "it has " + std::to_string(bytes.size()) + " bytes, fewer than the " +
               std::to_string(L::kMinimumLength) + " the nine pictures need";
    }
    if (!std::equal(bytes.begin(), bytes.begin() + 4, "SHPI")) return "it does not start with SHPI";
    if (const std::uint32_t count = number(bytes, 8, 4); count != kPictures)
        return "its directory lists " + std::to_string(count) + " pictures, not 9";
    for (const L::PixelArea& area : L::kAreasInFileOrder) {
        const std::uint32_t header = area.offset - kEntryHeaderBytes;
        bool listed = false;
        for (std::uint32_t record = 0; record < kPictures && !listed; ++record) {
            const std::size_t at = kDirectoryStart + 8 * record;
            listed = sameTag(bytes, at, area.tag) && number(bytes, at + 4, 4) == header;
        }
        if (!listed)
            return std::string("its directory has no ") + area.tag + " at byte " +
                   std::to_string(header);
        if (bytes[header] != kEightBitPicture ||
            number(bytes, header + 4, 2) != static_cast<std::uint32_t>(area.width) ||
            number(bytes, header + 6, 2) != static_cast<std::uint32_t>(area.height)) {
            return std::string(area.tag) + " is not an 8-bit picture of " +
                   std::to_string(area.width) + " x " + std::to_string(area.height);
        }
    }
    return {};
}
