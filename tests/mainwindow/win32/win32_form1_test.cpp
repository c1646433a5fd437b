// The main window drawn with the Win32 API: its controls and menus where the design puts them (at
// 96 dpi, fifteen twips to the pixel, and on displays scaled beyond), its clicks, shortcuts and
// drops reaching the logic, the previews and the skin on the right pixels, and the layout scaler
// over the real window.
#include <gtest/gtest.h>
#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <array>
#include <cstring>
#include <vector>

#include "program_folder_fixture.h"
#include "web_addresses.h"
#include "win32_control_names.h"
#include "win32_form1.h"
#include "win32_picture_box.h"
#include "win32_skin_surface.h"
#include "win32_window_probe.h"

using namespace Win32WindowProbe;

namespace {
class Win32Form1Test : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        m_window = std::make_unique<Win32Form1>(m_fake.services);
    }

    HWND control(const char* name, std::optional<int> index = std::nullopt) {
        return Win32ControlNames::find(m_window->handle(), name, index);
    }
    bool saveOffered() {
        return IsWindowEnabled(control("Command2")) &&
               !(GetMenuState(GetMenu(m_window->handle()), Win32Form1::kSaveMenu, MF_BYCOMMAND) &
                 MF_GRAYED);
    }
    void command(WORD id) { SendMessageA(m_window->handle(), WM_COMMAND, id, 0); }

    std::unique_ptr<Win32Form1> m_window;
};

// The menu entries as the user reads them: caption, shortcut, name.
struct MenuText {
    std::string caption;
    std::string shortcut;
    std::string name;
    bool operator==(const MenuText&) const = default;
};

std::vector<MenuText> menuTexts(HMENU menu) {
    std::vector<MenuText> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[64] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_DATA;
        item.dwTypeData = caption;
        item.cch = sizeof caption;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        const std::string text = caption;
        const std::size_t tab = text.find('\t');
        texts.push_back({text.substr(0, tab), tab == std::string::npos ? "" : text.substr(tab + 1),
                         reinterpret_cast<const char*>(item.dwItemData)});
    }
    return texts;
}
}  // namespace

TEST_F(Win32Form1Test, ControlsStandWhereTheWindowWasDesigned) {
    HWND window = m_window->handle();
    EXPECT_EQ(text(window), "Vestrix");
    const SIZE client = clientSize(window);
    EXPECT_EQ(client.cx, 461);
    EXPECT_EQ(client.cy, 374);
    // A fixed single border with a minimise button; the controls stay in front of the skin.
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_CLIPCHILDREN);

    struct Expected {
        const char* name;
        std::optional<int> index;
        const char* className;
        const char* text;
        Place place;
        bool visible;
        bool enabled;
    };
    const Expected controls[] = {
        {"Command1", {}, "Button", "Load FIFA99 Jersey", {8, 160, 129, 25}, true, true},
        {"Command2", {}, "Button", "Save FIFA2000 jersey", {8, 336, 129, 25}, true, false},
        {"Picture1", 0, "VestrixPictureBox", "", {8, 24, 132, 132}, true, true},
        {"Picture1", 1, "VestrixPictureBox", "", {8, 224, 103, 103}, true, true},
        {"Picture1", 2, "VestrixPictureBox", "", {304, 104, 36, 36}, true, true},
        {"Picture1", 3, "VestrixPictureBox", "", {304, 296, 36, 36}, true, true},
        {"Picture1", 4, "VestrixPictureBox", "", {144, 24, 66, 66}, true, true},
        {"Picture1", 5, "VestrixPictureBox", "", {144, 224, 66, 66}, true, true},
        {"Picture1", 6, "VestrixPictureBox", "", {216, 24, 66, 50}, true, true},
        {"Picture1", 7, "VestrixPictureBox", "", {216, 224, 66, 50}, true, true},
        {"ProgressBar1", {}, "msctls_progress32", "", {144, 168, 217, 17}, true, true},
        {"Text1", {}, "Edit", "", {232, 344, 209, 19}, false, true},
        {"DDEtext", {}, "Edit", "INVISIBLE -- for URL lunching", {208, 352, 209, 19}, false, true},
    };
    for (const Expected& expected : controls) {
        SCOPED_TRACE(std::string(expected.name) + " " +
                     std::to_string(expected.index.value_or(-1)));
        HWND found = control(expected.name, expected.index);
        ASSERT_TRUE(found);
        EXPECT_EQ(_stricmp(className(found).c_str(), expected.className), 0) << className(found);
        if (std::string(expected.name) != "Text1") {
            EXPECT_EQ(text(found), expected.text);
        }
        EXPECT_EQ(place(found), expected.place);
        // The window itself is not shown in the tests: the control's own visibility.
        EXPECT_EQ((GetWindowLongA(found, GWL_STYLE) & WS_VISIBLE) != 0, expected.visible);
        EXPECT_EQ(IsWindowEnabled(found) != FALSE, expected.enabled);
    }
    // The start-up put the program folder into Text1, ending in one separator.
    EXPECT_EQ(text(control("Text1")), m_fake.location.folder + "\\");
    EXPECT_EQ(SendMessageA(control("ProgressBar1"), PBM_GETRANGE, FALSE, 0), 90);
}

TEST_F(Win32Form1Test, MenusShowTheirEntriesNamesAndShortcuts) {
    HMENU bar = GetMenu(m_window->handle());
    const std::vector<std::vector<MenuText>> expected = {
        {{"Open Fifa99 Jersey", "Ctrl+O", "openfifa99menu"},
         {"Save Fifa2000 Jersey", "Ctrl+S", "Savefifa2000menu"},
         {"Exit", "Ctrl+X", "ExitMenu"}},
        {{"Make 64 Color Jersey", "", "color64"}, {"Load Skin", "F2", "LoadSkinMenu"}},
        {{"ReadMe.TXT", "F1", "readme_menu"},
         {"About", "Ctrl+A", "AboutMenu"},
         {"Visit Our Website", "Ctrl+V", "visitwebsiteMenu"}},
    };
    EXPECT_EQ(menuTexts(bar), (std::vector<MenuText>{{"File", "", "FileMenu"},
                                                     {"Options", "", "viewmenu"},
                                                     {"Help", "", "HelpMenu"}}));
    for (std::size_t m = 0; m < expected.size(); ++m) {
        EXPECT_EQ(menuTexts(GetSubMenu(bar, static_cast<int>(m))), expected[m]) << m;
    }
    EXPECT_FALSE(saveOffered());
    EXPECT_FALSE(GetMenuState(bar, Win32Form1::kColor64, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(Win32Form1Test, ClicksShortcutsAndMenuEntriesReachTheirEventProcedures) {
    HWND window = m_window->handle();
    // A key pressed, with or without Control held, as the message loop hands it over.
    const auto shortcut = [&](WORD key, bool withControl) {
        BYTE keys[256] = {};
        keys[VK_CONTROL] = withControl ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message{control("Command1"), WM_KEYDOWN, key, 1, 0, {}};
        const bool taken = m_window->translateAccelerator(message);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        return taken;
    };
    // Load by the button, the menu entry and Ctrl+O: each opens the dialog (cancelled here).
    m_fake.dialogs.openAnswers = {"", "", ""};
    SendMessageA(control("Command1"), BM_CLICK, 0, 0);
    command(Win32Form1::kOpenMenu);
    EXPECT_TRUE(shortcut('O', true));
    EXPECT_EQ(m_fake.dialogs.openInitialPaths.size(), 3u);
    // Ctrl+S does nothing while Save is greyed out.
    shortcut('S', true);
    EXPECT_TRUE(m_fake.dialogs.saveInitialPaths.empty());

    command(Win32Form1::kColor64);
    EXPECT_TRUE(GetMenuState(GetMenu(window), Win32Form1::kColor64, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(m_window->logic().paletteBase(), 0);

    // F2: Skin Select, owned by the main window. Ctrl+A twice: one About window.
    EXPECT_TRUE(shortcut(VK_F2, false));
    HWND skins = FindWindowA("VestrixForm2", "Skin Select");
    ASSERT_TRUE(skins);
    EXPECT_EQ(GetWindow(skins, GW_OWNER), window);
    EXPECT_TRUE(shortcut('A', true));
    HWND about = FindWindowA("VestrixFrmAbout", "About The Vestrix");
    ASSERT_TRUE(about);
    shortcut('A', true);
    EXPECT_EQ(FindWindowA("VestrixFrmAbout", nullptr), about);
    EXPECT_EQ(GetWindow(about, GW_OWNER), window);

    EXPECT_TRUE(shortcut(VK_F1, false));
    ASSERT_FALSE(m_fake.started.empty());
    EXPECT_EQ(m_fake.started.back(), "show " + path("readme.txt"));
    EXPECT_TRUE(shortcut('V', true));
    EXPECT_EQ(m_fake.urlOpener.addresses, std::vector<std::string>{WebAddresses::kHomePage});
    EXPECT_TRUE(shortcut('X', true));
    EXPECT_EQ(m_fake.exit.statuses.size(), 1u);
}

TEST_F(Win32Form1Test, ALoadDrawsItsPreviewsIntoThePictureBoxesAndOffersSave) {
    const std::string jersey = putJersey("club.fsh");
    m_fake.dialogs.openAnswers.push_back(jersey);
    SendMessageA(control("Command1"), BM_CLICK, 0, 0);

    EXPECT_TRUE(saveOffered());
    EXPECT_EQ(SendMessageA(control("ProgressBar1"), PBM_GETPOS, 0, 0), 90);
    // Box 0 shows the FIFA 99 front at 1:1 in its own colours, red in the high byte as a
    // screen shows it.
    const Palette colors = jerseyPalette();
    Win32PictureBox& front = m_window->picture(0);
    for (int y = 0; y < 132; ++y) {
        for (int x = 0; x < 132; ++x) {
            std::uint32_t expected = Win32PictureBox::kBackground;
            if (x < 128 && y < 128) {
                const PaletteColor& c = colors[static_cast<std::size_t>((x / 8 + y / 16) % 6)];
                expected = static_cast<std::uint32_t>(c.Red * 65536 + c.Green * 256 + c.Blue);
            }
            ASSERT_EQ(front.pixel(x, y), expected) << x << "," << y;
        }
    }
    // Points between pixels go to the nearest one, halves to the even one.
    Win32PictureBox& box = m_window->picture(2);
    box.pset(2.5f, 3.5f, 0x0000FF);
    EXPECT_EQ(box.pixel(2, 4), 0xFF0000u);
    EXPECT_EQ(box.pixel(3, 3), Win32PictureBox::kBackground);
    box.clear();
    EXPECT_EQ(box.pixel(2, 4), Win32PictureBox::kBackground);
}

TEST_F(Win32Form1Test, TheWindowShowsTheSkinsAccumulatedOnItsWholeBackgroundAtEveryScale) {
    // A large red skin, then a small blue one: the red stays at the edges.
    const auto picture = [](int width, int height, std::uint32_t colour) {
        return SkinPicture{
            width, height,
            std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
    };
    m_window->skinSurface().paintSkin(picture(600, 500, 0xFF0000));
    m_window->skinSurface().paintSkin(picture(10, 10, 0x0000FF));

    // At 100 %, then moved to displays at 150 % and 200 %: the skins grow with the window and
    // cover every pixel of it, with no bare window colour at the right or the bottom.
    int dpi = m_window->dpi();
    for (const int next : {dpi, 144, 192}) {
        SCOPED_TRACE(next);
        if (next != dpi) moveToDisplayOf(m_window->handle(), dpi, next);
        dpi = next;
        const Drawing shown = drawingOf(m_window->handle());
        // Moved on from 150 %, the frame Windows suggests may round to a pixel more.
        EXPECT_NEAR(shown.width, MulDiv(461, dpi, 96), 1);
        EXPECT_EQ(shown.at(MulDiv(5, dpi, 96), MulDiv(5, dpi, 96)), 0x0000FFu);
        EXPECT_EQ(shown.at(MulDiv(11, dpi, 96), MulDiv(11, dpi, 96)), 0xFF0000u);
        for (int x = 0; x < shown.width; ++x) {
            ASSERT_EQ(shown.at(x, shown.height - 1), 0xFF0000u) << x;
        }
        for (int y = MulDiv(11, dpi, 96); y < shown.height; ++y) {
            ASSERT_EQ(shown.at(shown.width - 1, y), 0xFF0000u) << y;
        }
    }
}

TEST_F(Win32Form1Test, OnADisplayAtTwiceTheDensityEverythingDoublesAndPreviewPointsAreBlocks) {
    const int dpi = m_window->dpi();
    moveToDisplayOf(m_window->handle(), dpi, 2 * dpi);
    EXPECT_EQ(m_window->dpi(), 2 * dpi);
    const auto twice = [dpi](Place p) {
        return Place{MulDiv(p.left, 2 * dpi, 96), MulDiv(p.top, 2 * dpi, 96),
                     MulDiv(p.width, 2 * dpi, 96), MulDiv(p.height, 2 * dpi, 96)};
    };
    EXPECT_EQ(clientSize(m_window->handle()).cx, MulDiv(461, 2 * dpi, 96));
    EXPECT_EQ(place(control("Command1")), twice({8, 160, 129, 25}));
    EXPECT_EQ(place(control("Picture1", 2)), twice({304, 104, 36, 36}));
    EXPECT_EQ(place(control("ProgressBar1")), twice({144, 168, 217, 17}));
    // The buttons' letters grow too: a font made again at the new density.
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control("Command1"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -MulDiv(11, 2 * dpi, 96));

    // The conversion still draws in 96-dpi points; each shows as a sharp square block.
    Win32PictureBox& box = m_window->picture(2);
    box.pset(2, 4, 0x0000FF);
    const Drawing shown = drawingOf(box.handle());
    const int block = 2 * dpi / 96;
    EXPECT_EQ(shown.width, 36 * block);
    for (int y = 3 * block; y < 6 * block; ++y) {
        for (int x = block; x < 4 * block; ++x) {
            const bool inPoint = x / block == 2 && y / block == 4;
            ASSERT_EQ(shown.at(x, y), inPoint ? 0xFF0000u : Win32PictureBox::kBackground)
                << x << "," << y;
        }
    }
}

TEST_F(Win32Form1Test, AFileDroppedOnTheWindowIsLoaded) {
    const std::string jersey = putJersey("dropped.fsh");
    // What Explorer hands over: one file name in a DROPFILES block.
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + jersey.size() + 2);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), jersey.c_str(), jersey.size());
    GlobalUnlock(drop);
    SendMessageA(m_window->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    // Loaded from the message loop, once the drop is over.
    EXPECT_FALSE(saveOffered());
    pumpMessages();
    EXPECT_TRUE(saveOffered());
    EXPECT_TRUE(read(path("pk001.fsh")) == referenceConversion(jersey, 191));
}

TEST_F(Win32Form1Test, VisitOurWebsiteScalesTheControlsToTheWindowsClientArea) {
    HWND window = m_window->handle();
    HWND command1 = control("Command1");
    // The first pass records the layout and moves nothing.
    command(Win32Form1::kWebsiteMenu);
    EXPECT_EQ(place(command1), (Place{8, 160, 129, 25}));

    // 230 pixels wider: 6915 twips become 10365, 149 percent. Left 120 twips -> 178 -> 12 pixels;
    // width 1935 -> 2883 -> 192 pixels; the height is unchanged.
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 230, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(clientSize(window).cx, 691);
    command(Win32Form1::kWebsiteMenu);
    EXPECT_EQ(place(command1), (Place{12, 160, 192, 25}));
    // Picture1(4) was recorded as it stood, 144 and 66 pixels: left 2160 twips -> 3218 -> 215
    // pixels, width 990 -> 1475 -> 98.
    EXPECT_EQ(place(control("Picture1", 4)), (Place{215, 24, 98, 66}));
    EXPECT_TRUE(m_fake.messages.shown.empty()) << m_fake.messages.shown.front().text;
}
