// Every file the generators make, by its path under the resources folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ResourceSet {

/** "pk001.fsh", "fifa2k.pal" and "samples/NAME.fsh", with their bytes. */
std::map<std::string, std::vector<std::uint8_t>> generate();

/** Writes generate()'s files into folder (creating it and samples/); throws naming a failed file.
 */
void write(const std::filesystem::path& folder);

}  // namespace ResourceSet
