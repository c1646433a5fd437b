// The records every window's design table is written in: the window itself and its controls, as
// the window designer laid them out, in twips. Each table adds what only its window has.
#pragma once

#include "platform/common/twips.h"

namespace WindowDesign {

/** The window: its caption, the size of its inside, and the face its controls were sized for. */
struct Window {
    const char* caption;
    int clientWidthTwips;
    int clientHeightTwips;
    const char* fontFace;
    double fontPoints;
};

/** One control: what it is (each window names its own kinds), its name, caption and place. */
template <typename Kind>
struct Control {
    Kind kind;
    const char* name;
    const char* caption;
    Twips::Place place;
};

/** A colour as the designer picks one: red, green and blue from 0 to 255. */
struct Colour {
    int red, green, blue;
};

}  // namespace WindowDesign
