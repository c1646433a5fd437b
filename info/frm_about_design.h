// The About window as it was designed: its size and place, its buttons, logos and labels with
// their names, texts and places in twips, and the etched line across it. Both toolkits' views
// build it from here, so the two cannot drift apart.
#pragma once

#include "info/frm_about.h"
#include "platform/common/window_design.h"

namespace FrmAboutDesign {

// The labels were sized for an eight-point face; a larger one would wrap out of them.
inline constexpr WindowDesign::Window kWindow{"About The Vestrix", 5730, 3555, "MS Sans Serif", 8};
inline constexpr int kClientLeftTwips = 2340;
inline constexpr int kClientTopTwips = 1935;

// A push button, a picture box showing a logo in the middle of a sunken border, or a label.
enum class Kind { Button, Picture, Label };

/**
 * The caption is a button's caption; a label's text, its lines ending in "\n"; a picture box's
 * logo, named as the file in resources/pictures without its ".bmp".
 */
struct Control : WindowDesign::Control<Kind> {
    void (FrmAbout::*click)();  // what a button runs
};

// Enter and Escape click it: it is the default and the cancel button.
inline constexpr const char* kDefaultButton = "cmdOK";

// In tab order: Tab goes from button to button, the pictures and labels take no focus.
inline constexpr Control kControls[] = {
    {{Kind::Button, "cmdOK", "OK", {4245, 2625, 1260, 345}}, &FrmAbout::cmdOK_Click},
    {{Kind::Button, "cmdSysInfo", "&System Info...", {4260, 3075, 1245, 345}},
     &FrmAbout::cmdSysInfo_Click},
    {{Kind::Picture, "picIcon", "logo32", {120, 240, 540, 540}}, nullptr},
    {{Kind::Picture, "Picture1", "logo33", {120, 840, 555, 555}}, nullptr},
    {{Kind::Label,
      "lblDescription",
      "It will create a FIFA2000 jersey file from an old FIFA99 file. great for your fifa needs :)",
      {1050, 960, 3885, 450}},
     nullptr},
    {{Kind::Label,
      "lblDisclaimer",
      "Vestrix is free and made by fans. It is not made, endorsed or supported by the game's "
      "makers. Keep a copy of every jersey you change.",
      {255, 2625, 3870, 825}},
     nullptr},
    {{Kind::Label, "lblTitle", "Vestrix", {1050, 240, 3885, 240}}, nullptr},
    {{Kind::Label, "lblVersion", "Version 1.2", {1050, 600, 3885, 225}}, nullptr},
    {{Kind::Label, "Label1", "Code team\nDesign team\nKit team\nSkin team", {120, 1560, 1215, 855}},
     nullptr},
    // Label2's spaces make the narrow label break its roles into a column that faces the names
    // of Label1.
    {{Kind::Label,
      "Label2",
      "CODE                 IDEA,  GRAPHICS   GRAPHICS            MISC ART",
      {1440, 1560, 1455, 855}},
     nullptr},
    {{Kind::Label,
      "Label3",
      "Thanks to the FIFA modding community for what it found out about FIFA 2000 jerseys.",
      {3120, 1680, 2370, 675}},
     nullptr},
};

/** One line of a control array of lines: its end points in twips and its pen. */
struct Line {
    const char* name;
    int index;
    int x1, y1, x2, y2;
    int widthPixels;
    WindowDesign::Colour colour;
    bool insideSolid;  // a wide pen keeps below the end points rather than centred on them
};

// The etched separator: a grey line over a white one a pixel lower, drawn before everything else
// so that it lies under the controls.
inline constexpr Line kLines[] = {
    {"Line1", 1, 90, 2445, 5654, 2445, 1, {128, 128, 128}, true},
    {"Line1", 0, 105, 2460, 5654, 2460, 2, {255, 255, 255}, false},
};

}  // namespace FrmAboutDesign
