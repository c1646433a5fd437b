// Whether a JPEG file holds the whole picture: decoders paint a file cut short with grey and
// carry on, so a damaged skin would otherwise look like a picture.
#pragma once

#include <cstdint>
#include <span>

/**
 * True when bytes are a JPEG stream that runs from its start marker through every segment and
 * scan to its end marker (what follows the end marker does not matter). False for a stream cut
 * short anywhere, and for anything that is not JPEG.
 */
bool isCompleteJpeg(std::span<const std::uint8_t> bytes);
