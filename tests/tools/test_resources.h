// Reading the committed resources in the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/rgb.h"

std::filesystem::path committedResources();
std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

/** The colour lines of a JASC-PAL file, strictly: CR LF lines, "R G B" each 0..255; throws. */
std::vector<Rgb> readJascColours(const std::filesystem::path& path);

/** Largest of the red, green and blue differences: the converter's colour distance. */
int colourDistance(Rgb a, Rgb b);
