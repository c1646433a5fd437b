// Making and enlarging the views' bitmaps.
#include "platform/win32/win32_bitmap.h"

HBITMAP createTopDownBitmap(int width, int height, std::uint32_t*& pixels) {
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

HBITMAP scaledSmoothly(HBITMAP source, int width, int height, int toWidth, int toHeight) {
    std::uint32_t* pixels = nullptr;
    HBITMAP scaled = createTopDownBitmap(toWidth, toHeight, pixels);
    if (!scaled) return nullptr;
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    const HGDIOBJ previousFrom = SelectObject(from, source);
    const HGDIOBJ previousTo = SelectObject(to, scaled);
    // HALFTONE averages the pixels each one covers: no jagged edges or lost lines of a picture.
    SetStretchBltMode(to, HALFTONE);
    SetBrushOrgEx(to, 0, 0, nullptr);
    StretchBlt(to, 0, 0, toWidth, toHeight, from, 0, 0, width, height, SRCCOPY);
    GdiFlush();
    SelectObject(from, previousFrom);
    SelectObject(to, previousTo);
    DeleteDC(from);
    DeleteDC(to);
    return scaled;
}
