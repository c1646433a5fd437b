// Skin pictures decoded by Qt's picture reader.
#pragma once

#include "skins/skin_picture_reader.h"

class QtSkinPictureReader : public SkinPictureReader {
public:
    std::optional<SkinPicture> read(const std::string& path) override;
};
