// The splash window as it was designed: its size, the frame that holds everything, the banner and
// the four labels with their texts and faces, in twips. Both toolkits' views build it from here,
// so the two cannot drift apart.
#pragma once

#include "platform/common/twips.h"

namespace FrmSplashDesign {

inline constexpr int kClientWidthTwips = 5700;
inline constexpr int kClientHeightTwips = 2910;

// Larger than the window, so that its border lies outside: the whole window shows its inside.
inline constexpr Twips::Place kFrame1{-120, -240, 6000, 4005};
inline constexpr const char* kFrame1Name = "Frame1";
// The banner at its natural size, filling the top of the window; its place inside the frame.
inline constexpr int kImage1Left = 120;
inline constexpr int kImage1Top = 240;
inline constexpr const char* kImage1Name = "Image1";

inline constexpr const char* kLabelFace = "Arial";

struct Label {
    const char* name;
    const char* text;
    double points;
    bool bold;
    bool rightAligned;
    int left, top;  // inside the frame; each label is sized to its text
};

// In tab order: the notice first, the maker's name last.
inline constexpr Label kLabels[] = {
    {"lblWarning", "Use at your own risk !", 8.25, false, false, 3360, 2880},
    {"lblVersion", "Version 1.2", 12, true, true, 120, 2760},
    {"lblProductName", "Vestrix", 15.75, true, false, 120, 2400},
    {"lblCompanyProduct", "TAVRIMEL", 18, true, false, 120, 2040},
};

}  // namespace FrmSplashDesign
