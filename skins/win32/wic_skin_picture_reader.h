// Skin pictures decoded by the Windows Imaging Component.
#pragma once

#include "skins/skin_picture_reader.h"

class WicSkinPictureReader : public SkinPictureReader {
public:
    std::optional<SkinPicture> read(const std::string& path) override;
};
