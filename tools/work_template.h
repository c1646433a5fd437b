// The FIFA 2000 work-file template (pk001.fsh) that every conversion patches in place.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/rgb.h"

namespace WorkTemplate {

/** The template, with palette as its shared palette (the colours of fifa2k.pal). */
std::vector<std::uint8_t> build(std::span<const Rgb> palette);

}  // namespace WorkTemplate
