// The bundled sample jerseys converted with the shipped template and palette file: what the golden
// files under tests/data/golden pin down.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct GoldenMode {
    std::int16_t paletteBase;
    const char* suffix;  // of the golden file's name: NAME-normal.fsh, NAME-64.fsh
};

/** Normal colours (the jersey's colours take the free slots) and "64 colour" jerseys. */
inline constexpr GoldenMode kGoldenModes[] = {{191, "normal"}, {0, "64"}};

/** The FIFA 99 samples in resources/samples, sorted by name. */
std::vector<std::filesystem::path> bundledSamples(const std::filesystem::path& resources);

std::string goldenName(const std::filesystem::path& sample, const GoldenMode& mode);

/** A whole load of sample onto resources/pk001.fsh with resources/fifa2k.pal. */
std::vector<std::uint8_t> convertSample(const std::filesystem::path& resources,
                                        const std::filesystem::path& sample,
                                        std::int16_t paletteBase);
