// FIFA 99 kits as the richest real ones are: every picture with 256 distinct colours of its own,
// smoothly shaded, so the colour search meets as many different colours as a kit can hold. For
// benchmarks and fuzz seeds; not shipped.
#pragma once

#include <cstdint>
#include <vector>

namespace RichKit {

/** The kit numbered seed (its colours follow from it), with palettes of the given block code. */
std::vector<std::uint8_t> build(std::uint32_t seed, std::uint8_t paletteCode);

}  // namespace RichKit
