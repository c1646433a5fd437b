// Decoding a skin with WIC, refusing a JPEG cut short.
#include "skins/win32/wic_skin_picture_reader.h"

#include "platform/file_access_error.h"
#include "platform/regular_file.h"
#include "platform/win32/win32_picture_decoder.h"
#include "skins/jpeg_completeness.h"

namespace {
bool startsAsJpeg(const std::vector<std::uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
}
}  // namespace

std::optional<SkinPicture> WicSkinPictureReader::read(const std::string& path) {
    RegularFile file;
    try {
        file = readRegularFile(path, kLargestSkinBytes);
    } catch (const FileAccessError&) {
        return std::nullopt;
    }
    // WIC decodes a JPEG cut short and fills the rest with grey: not a skin to show. The content
    // decides, not the name: skins are often renamed by hand.
    if (startsAsJpeg(file.bytes) && !isCompleteJpeg(file.bytes)) return std::nullopt;
    std::optional<Win32PictureDecoder::Picture> decoded = Win32PictureDecoder::decode(file.bytes);
    if (!decoded) return std::nullopt;
    return SkinPicture{decoded->width, decoded->height, std::move(decoded->pixels)};
}
