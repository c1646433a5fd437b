// Reading a preview PNG back with the platform's own decoder, not with the converter's encoder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>

/** The distinct colours of a PNG as red, green, blue, alpha bytes in memory; empty when unreadable.
 */
std::set<std::uint32_t> previewColours(const std::filesystem::path& png);
