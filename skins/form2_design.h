// The Skin Select window as it was designed: its size, and the list and the two labels with their
// names, texts and places in twips. Both toolkits' views build it from here, so the two cannot
// drift apart.
#pragma once

#include "platform/common/twips.h"

namespace Form2Design {

inline constexpr const char* kCaption = "Skin Select";
inline constexpr int kClientWidthTwips = 2175;
inline constexpr int kClientHeightTwips = 1395;
inline constexpr const char* kFontFace = "MS Sans Serif";
inline constexpr double kFontPoints = 8.25;

// A link reads as one: blue and underlined.
struct Colour {
    int red, green, blue;
};
inline constexpr Colour kLinkColour{0, 0, 255};

enum class Kind { List, Link, Label };

struct Control {
    Kind kind;
    const char* name;
    const char* caption;
    Twips::Place place;
};

inline constexpr Control kFile1{Kind::List, "File1", "", {0, 0, 2175, 675}};
// Centred under the list: "Download more SKINS" + " from the Vestrix's web page" make one
// sentence, the second label two lines tall to take it where the font is wide.
inline constexpr Control kLabel1{
    Kind::Link, "Label1", "Download more SKINS", {120, 720, 1935, 255}};
inline constexpr Control kLabel2{
    Kind::Label, "Label2", " from the Vestrix's web page", {0, 960, 2175, 495}};

inline constexpr const Control* kControls[] = {&kFile1, &kLabel1, &kLabel2};

}  // namespace Form2Design
