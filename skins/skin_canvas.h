// Where a skin goes: the main window's background, which keeps what was painted on it.
#pragma once

#include "skins/skin_picture.h"

class SkinCanvas {
public:
    virtual ~SkinCanvas() = default;
    /**
     * Draws picture with its top-left corner at the canvas's top-left corner, at its own size:
     * no clearing first, no stretching; what falls outside the canvas is cut off.
     */
    virtual void paintSkin(const SkinPicture& picture) = 0;
};
