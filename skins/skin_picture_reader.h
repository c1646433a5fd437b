// Decoding a skin file: the toolkit's own picture reader (Qt's here, the system's codec on
// Windows), behind an interface so that the windows' logic needs neither.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "skins/skin_picture.h"

class SkinPictureReader {
public:
    /** Far beyond any skin: a screen-sized JPEG is a few megabytes. */
    static constexpr std::uint64_t kLargestSkinBytes = 64u << 20;

    virtual ~SkinPictureReader() = default;
    /**
     * The picture in path (in the system's encoding): a JPEG, or any other format the reader knows
     * by the file's content, since skins are often renamed by hand. Nothing when the file is no
     * readable picture, a JPEG cut short included.
     */
    virtual std::optional<SkinPicture> read(const std::string& path) = 0;
};
