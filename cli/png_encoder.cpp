// PNG encoding through libpng's simplified interface, straight into memory, so the file itself is
// written whole like the jerseys.
#include "png_encoder.h"

#include <png.h>

std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint32_t>& colorValues) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(colorValues.size() * 3);
    for (const std::uint32_t v : colorValues) {
        rgb.push_back(static_cast<std::uint8_t>(v));
        rgb.push_back(static_cast<std::uint8_t>(v >> 8));
        rgb.push_back(static_cast<std::uint8_t>(v >> 16));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    image.flags = PNG_IMAGE_FLAG_FAST;  // previews are looked at once: speed over size
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return {};
    std::vector<std::uint8_t> png(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) return {};
    png.resize(size);
    return png;
}
