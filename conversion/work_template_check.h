// Whether a file can serve as the work file: a FIFA 2000 jersey archive laid out as the
// conversion writes it. A file of the right length and nothing else (all zeros, another archive)
// would be patched without complaint and give a jersey the game cannot read.
#pragma once

#include <cstdint>
#include <span>
#include <string>

/**
 * Empty when bytes hold "SHPI", a directory of nine pictures whose records name hjfr, hjbk, ...,
 * lslv at the offsets of the work file's layout, and 8-bit picture headers of the nine sizes
 * there; otherwise the first fault found, e.g. "its directory lists 0 pictures, not 9".
 */
std::string workTemplateFault(std::span<const std::uint8_t> bytes);

inline bool isWorkTemplate(std::span<const std::uint8_t> bytes) {
    return workTemplateFault(bytes).empty();
}
