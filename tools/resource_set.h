// Every file the generators make, by its path under the resources folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ResourceSet {

/** "pk001.fsh", "fifa2k.pal", "samples/NAME.fsh" and the About window's two "pictures/". */
std::map<std::string, std::vector<std::uint8_t>> generate();

/** Writes generate()'s files into folder (creating it and samples/); throws naming a failed file.
 */
void write(const std::filesystem::path& folder);

}  // namespace ResourceSet
