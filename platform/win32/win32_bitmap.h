// The pictures the Windows views draw into: 32-bit, top-down, with the pixels in our hands.
#pragma once

#include <windows.h>

#include <cstdint>

/** A top-down 32-bit bitmap (row 0 at the top) and its pixels; null when none can be made. */
HBITMAP createTopDownBitmap(int width, int height, std::uint32_t*& pixels);

/**
 * The top-left width by height of source, smoothly enlarged or shrunk to toWidth by toHeight, as
 * a new top-down bitmap: for pictures meant to be seen at another density. Null when it cannot be
 * made.
 */
HBITMAP scaledSmoothly(HBITMAP source, int width, int height, int toWidth, int toHeight);
