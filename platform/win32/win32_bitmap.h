// The pictures the Windows views draw into: 32-bit, top-down, with the pixels in our hands.
#pragma once

#include <windows.h>

#include <cstdint>

/** A top-down 32-bit bitmap (row 0 at the top) and its pixels; null when none can be made. */
inline HBITMAP createTopDownBitmap(int width, int height, std::uint32_t*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}
