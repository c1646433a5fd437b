// The main window as it was designed: its size, its controls with their names, captions and
// places in twips, and its menus with their shortcuts. Both toolkits' views build it from here,
// so the two cannot drift apart. The eight Picture1 boxes stand in PreviewBoxes::kTwips, which
// the converter's PNG previews share.
#pragma once

#include <span>

#include "mainwindow/form1.h"
#include "platform/common/twips.h"

namespace Form1Design {

inline constexpr const char* kCaption = "Vestrix";
inline constexpr int kClientWidthTwips = 6915;
inline constexpr int kClientHeightTwips = 5610;
// The buttons' face where the system has it.
inline constexpr const char* kFontFace = "MS Sans Serif";
inline constexpr double kFontPoints = 8.25;
// The conversion advances the bar by ten for each of the nine pictures.
inline constexpr int kProgressMaximum = 90;

// A hidden button is there only while its command runs.
enum class Kind { Button, HiddenButton, ProgressBar, HiddenTextBox };

struct Control {
    Kind kind;
    const char* name;
    const char* caption;  // a button's caption, a text box's first text
    Twips::Place place;
    bool enabled;
    void (Form1::*click)();  // what a button runs
};

inline constexpr Control kCommand1{Kind::Button,           "Command1", "Load FIFA99 Jersey",
                                   {120, 2400, 1935, 375}, true,       &Form1::Command1_Click};
// Nothing to save before a kit is loaded.
inline constexpr Control kCommand2{Kind::Button,           "Command2", "Save FIFA2000 jersey",
                                   {120, 5040, 1935, 375}, false,      &Form1::Command2_Click};
inline constexpr Control kProgressBar1{Kind::ProgressBar,       "ProgressBar1", "",
                                       {2160, 2520, 3255, 255}, true,           nullptr};
// Beside the bar while a folder is converted; Escape presses it too.
inline constexpr Control kCancelFolder{
    Kind::HiddenButton,      "CancelFolder", "Cancel",
    {5520, 2460, 1095, 375}, true,           &Form1::CancelFolder_Click};
// Text1 holds the program folder; DDEtext serves the web links.
inline constexpr Control kText1{Kind::HiddenTextBox,     "Text1", "Text1",
                                {3480, 5160, 3135, 285}, true,    nullptr};
inline constexpr Control kDDEtext{
    Kind::HiddenTextBox,     "DDEtext", "INVISIBLE -- for URL lunching",
    {3120, 5280, 3135, 285}, true,      nullptr};

/** In tab order: Tab goes from loading to saving (and to Cancel while a folder converts). */
inline constexpr const Control* kControls[] = {&kCommand1,     &kCommand2, &kCancelFolder,
                                               &kProgressBar1, &kText1,    &kDDEtext};

struct MenuEntry {
    const char* caption;
    const char* name;
    const char* shortcut;  // as the menu shows it: "Ctrl+O", "F2"; "" for none
    void (Form1::*click)();
    bool checkable;
};

struct Menu {
    const char* caption;
    const char* name;
    std::span<const MenuEntry> entries;
};

// Entries top to bottom, no separators.
inline constexpr MenuEntry kFileEntries[] = {
    {"Open Fifa99 Jersey", "openfifa99menu", "Ctrl+O", &Form1::Command1_Click, false},
    {"Save Fifa2000 Jersey", "Savefifa2000menu", "Ctrl+S", &Form1::Command2_Click, false},
    {"Convert a Folder...", "ConvertFolderMenu", "Ctrl+Shift+O", &Form1::ConvertFolderMenu_Click,
     false},
    {"Exit", "ExitMenu", "Ctrl+X", &Form1::ExitMenu_Click, false},
};
inline constexpr MenuEntry kOptionsEntries[] = {
    {"Make 64 Color Jersey", "color64", "", &Form1::color64_Click, true},
    {"Load Skin", "LoadSkinMenu", "F2", &Form1::LoadSkinMenu_Click, false},
};
inline constexpr MenuEntry kHelpEntries[] = {
    {"ReadMe.TXT", "readme_menu", "F1", &Form1::readme_menu_Click, false},
    {"About", "AboutMenu", "Ctrl+A", &Form1::AboutMenu_Click, false},
    {"Visit Our Website", "visitwebsiteMenu", "Ctrl+V", &Form1::visitwebsiteMenu_Click, false},
};

/** Left to right. */
inline constexpr Menu kMenus[] = {
    {"File", "FileMenu", kFileEntries},
    {"Options", "viewmenu", kOptionsEntries},
    {"Help", "HelpMenu", kHelpEntries},
};

}  // namespace Form1Design
