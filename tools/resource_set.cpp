// Every generated resource: the palette file first, since the template stores its colours.
#include "tools/resource_set.h"

#include <fstream>
#include <stdexcept>

#include "tools/logo_design.h"
#include "tools/palette_design.h"
#include "tools/sample_builder.h"
#include "tools/sample_kits.h"
#include "tools/work_template.h"

namespace ResourceSet {

std::map<std::string, std::vector<std::uint8_t>> generate() {
    std::map<std::string, std::vector<std::uint8_t>> files;
    const auto colours = PaletteDesign::fifa2kColours();
    const std::string palText = PaletteDesign::jascText(colours);
    files["fifa2k.pal"] = {palText.begin(), palText.end()};
    files["pk001.fsh"] = WorkTemplate::build(colours);
    for (const KitDesign& kit : SampleKits::all()) {
        files["samples/" + kit.fileName] = SampleBuilder::build(kit);
    }
    files["pictures/logo32.bmp"] = LogoDesign::jerseyLogo().bmpFile();
    files["pictures/logo33.bmp"] = LogoDesign::ballLogo().bmpFile();
    return files;
}

void write(const std::filesystem::path& folder) {
    for (const auto& [name, bytes] : generate()) {
        const std::filesystem::path path = folder / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace ResourceSet
