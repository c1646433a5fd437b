// The shipped FIFA 2000 template and palette file, built into vestrix-convert: every conversion
// starts from the pristine files, whatever the window's work file holds at the moment.
#pragma once

#include <cstdint>
#include <span>

namespace EmbeddedResources {
/** resources/pk001.fsh as shipped. */
std::span<const std::uint8_t> templateFile();
/** resources/fifa2k.pal as shipped. */
std::span<const std::uint8_t> paletteFile();
}  // namespace EmbeddedResources
