// The About window as it was designed: its size and place, and its labels with their texts, in
// twips. Both toolkits' views build it from here, so the two cannot drift apart.
#pragma once

namespace FrmAboutDesign {

inline constexpr int kClientWidthTwips = 5730;
inline constexpr int kClientHeightTwips = 3555;
inline constexpr int kClientLeftTwips = 2340;
inline constexpr int kClientTopTwips = 1935;

struct LabelText {
    const char* name;
    const char* text;  // lines end in "\n"
    int left, top, width, height;
};

// In tab order. Label2's spaces make the narrow label break its roles into a column that faces
// the names of Label1.
inline constexpr LabelText kLabels[] = {
    {"lblDescription",
     "It will create a FIFA2000 jersey file from an old FIFA99 file. great for your fifa needs :)",
     1050, 960, 3885, 450},
    {"lblDisclaimer",
     "Vestrix is free and made by fans. It is not made, endorsed or supported by the game's "
     "makers. Keep a copy of every jersey you change.",
     255, 2625, 3870, 825},
    {"lblTitle", "Vestrix", 1050, 240, 3885, 240},
    {"lblVersion", "Version 1.2", 1050, 600, 3885, 225},
    {"Label1", "Code team\nDesign team\nKit team\nSkin team", 120, 1560, 1215, 855},
    {"Label2", "CODE                 IDEA,  GRAPHICS   GRAPHICS            MISC ART", 1440, 1560,
     1455, 855},
    {"Label3",
     "Thanks to the FIFA modding community for what it found out about FIFA 2000 jerseys.", 3120,
     1680, 2370, 675},
};

}  // namespace FrmAboutDesign
