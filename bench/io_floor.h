// The I/O floor of a batch: read each kit whole and write a copy of the template under its name,
// with plain C++ streams and no checks at all. Nothing converts faster than this.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace IoFloor {

using Bytes = std::vector<std::uint8_t>;

Bytes readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const Bytes& bytes);

/** Reads every input and writes templateBytes to folder/ its name; returns the bytes read. */
std::uint64_t copyBatch(const std::vector<std::filesystem::path>& inputs,
                        const Bytes& templateBytes, const std::filesystem::path& folder);

}  // namespace IoFloor
