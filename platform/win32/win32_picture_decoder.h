// Decoding pictures (JPEG, BMP, PNG...) with the Windows Imaging Component.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Win32PictureDecoder {

struct Picture {
    int width = 0;
    int height = 0;
    /** Row by row from the top-left corner, each pixel 0xRRGGBB. */
    std::vector<std::uint32_t> pixels;
};

/** The first frame of the picture in bytes, whatever its format; nothing when WIC cannot read it.
 */
std::optional<Picture> decode(std::span<const std::uint8_t> bytes);

/** The picture as a bitmap for a control (a top-down DIB section); null when it cannot be made. */
HBITMAP toBitmap(const Picture& picture);

/** A resource of the program's own (RCDATA) decoded; nothing when it is missing or unreadable. */
std::optional<Picture> fromResource(const char* name);

}  // namespace Win32PictureDecoder
