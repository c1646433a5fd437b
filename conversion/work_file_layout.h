// The FIFA 2000 jersey archive (pk001.fsh) has a fixed layout: the conversion writes the pixels of
// nine pictures and one shared palette at fixed offsets and leaves every other byte as the template
// has it (header, directory, block headers, padding).
#pragma once

#include <cstdint>

namespace WorkFileLayout {

/** A FIFA 2000 picture's pixel area: one palette index per byte, rows top to bottom. */
struct PixelArea {
    const char* tag;
    std::uint32_t offset;
    int width;
    int height;
    constexpr std::uint32_t size() const { return static_cast<std::uint32_t>(width * height); }
    constexpr std::uint32_t end() const { return offset + size(); }
};

// In file order; each area follows its 16-byte entry header.
inline constexpr PixelArea kHjfr{"hjfr", 104, 100, 100};
inline constexpr PixelArea kHjbk{"hjbk", 11560, 64, 64};
inline constexpr PixelArea kHslv{"hslv", 15672, 64, 48};
inline constexpr PixelArea kMjfr{"mjfr", 18760, 50, 50};
inline constexpr PixelArea kMjbx{"mjbx", 21280, 32, 32};
inline constexpr PixelArea kMslv{"mslv", 22320, 32, 24};
inline constexpr PixelArea kLjfr{"ljfr", 23104, 25, 25};
inline constexpr PixelArea kLjbx{"ljbx", 23752, 16, 16};
inline constexpr PixelArea kLslv{"lslv", 24024, 16, 12};

inline constexpr PixelArea kAreasInFileOrder[] = {kHjfr, kHjbk, kHslv, kMjfr, kMjbx,
                                                  kMslv, kLjfr, kLjbx, kLslv};

/** The shared palette, attached to hjfr: 256 colours of blue, green, red, alpha. */
inline constexpr std::uint32_t kPaletteOffset = 10120;
inline constexpr std::uint32_t kPaletteBytes = 1024;

/** Shortest work file that holds every area the conversion writes. */
inline constexpr std::uint32_t kMinimumLength = 24216;

}  // namespace WorkFileLayout
