// Preview colours through libpng.
#include <png.h>

#include <vector>

#include "tests/cli/preview_colours.h"

std::set<std::uint32_t> previewColours(const std::filesystem::path& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::set<std::uint32_t> colours;
    if (!png_image_begin_read_from_file(&image, png.c_str())) return colours;
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint32_t> pixels(image.width * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return colours;
    colours.insert(pixels.begin(), pixels.end());
    return colours;
}
