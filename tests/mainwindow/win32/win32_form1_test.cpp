// The main window drawn with the Win32 API: its controls and menus as its design table draws them
// (at 96 dpi and on a display scaled to 200 %), its clicks, shortcuts and drops reaching the logic,
// the previews and the skin on the right pixels, the layout scaler over the real window, and a
// folder converted on a thread of its own while the window serves its messages.
#include <gtest/gtest.h>
#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "conversion/preview_boxes.h"
#include "info/web_addresses.h"
#include "mainwindow/form1_design.h"
#include "mainwindow/win32/win32_form1.h"
#include "mainwindow/win32/win32_picture_box.h"
#include "platform/common/path_text.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_twips.h"
#include "skins/win32/win32_skin_surface.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/win32/win32_window_probe.h"

using namespace Win32WindowProbe;

namespace {
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
        wchar_t caption[64] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_DATA;
        item.dwTypeData = caption;
        item.cch = std::size(caption);
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        const std::string text = utf8Text(caption);
        const std::size_t tab = text.find('\t');
        texts.push_back({text.substr(0, tab), tab == std::string::npos ? "" : text.substr(tab + 1),
                         reinterpret_cast<const char*>(item.dwItemData)});
    }
    return texts;
}

class Win32Form1Test : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        m_window = std::make_unique<Win32Form1>(m_fake.services);
    }

    HWND control(const char* name, std::optional<int> index = std::nullopt) {
        return Win32ControlNames::find(m_window->handle(), name, index);
    }
    /** The command number of the menu entry of that name, as WM_COMMAND brings it. */
    WORD menuCommand(std::string_view name) {
        HMENU bar = GetMenu(m_window->handle());
        for (int m = 0; m < GetMenuItemCount(bar); ++m) {
            const std::vector<MenuText> entries = menuTexts(GetSubMenu(bar, m));
            for (std::size_t e = 0; e < entries.size(); ++e) {
                if (entries[e].name == name) return GetMenuItemID(GetSubMenu(bar, m), int(e));
            }
        }
        return 0;
    }
    UINT menuState(std::string_view name) {
        return GetMenuState(GetMenu(m_window->handle()), menuCommand(name), MF_BYCOMMAND);
    }
    bool saveOffered() {
        return IsWindowEnabled(control("Command2")) && !(menuState("Savefifa2000menu") & MF_GRAYED);
    }
    void command(std::string_view menuEntry) {
        SendMessageW(m_window->handle(), WM_COMMAND, menuCommand(menuEntry), 0);
    }
    /** A key pressed with these keys held, as the message loop hands it to the window. */
    bool pressKey(WORD key, std::initializer_list<BYTE> held = {}) {
        BYTE keys[256] = {};
        for (const BYTE down : held) keys[down] = 0x80;
        SetKeyboardState(keys);
        MSG message{control("Command1"), WM_KEYDOWN, key, 1, 0, {}};
        const bool taken = m_window->translateAccelerator(message);
        SetKeyboardState(std::array<BYTE, 256>{}.data());
        return taken;
    }
    /** Shown in the window, which itself stays hidden in the tests. */
    static bool shown(HWND control) {
        return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    /** A folder of kits (name in UTF-8): two whole ones, one of them further down, one damaged. */
    std::string kitsFolder(const std::string& name) {
        const std::filesystem::path folder = m_dir.path() / toPath(name);
        std::filesystem::create_directories(folder / "nested");
        for (const auto& [kit, bytes] : {std::pair{"a.fsh", jerseyBytes()},
                                         {"nested/b.fsh", jerseyBytes()},
                                         {"broken.fsh", std::string("SHPI")}}) {
            std::ofstream(folder / kit, std::ios::binary) << bytes;
        }
        return pathText(folder);
    }
    /** Serves the window's messages as the message loop would, until the run's summary is up. */
    void serveUntilSummary() {
        const ULONGLONG giveUp = GetTickCount64() + 60000;
        while (m_fake.messages.shown.empty()) {
            ASSERT_LT(GetTickCount64(), giveUp) << "the folder conversion never ended";
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            pumpMessages();
        }
    }

    std::unique_ptr<Win32Form1> m_window;
};

}  // namespace

TEST_F(Win32Form1Test, StandsAsItsDesignDrawsItAtEveryScale) {
    using namespace Form1Design;
    const char* const classes[] = {"Button", "Button", "msctls_progress32", "Edit"};  // by Kind
    HWND window = m_window->handle();
    EXPECT_EQ(text(window), kWindow.caption);
    // A fixed single border with a minimise button; the controls stay in front of the skin.
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    // At 100 %, where the twips make whole pixels, then moved to a display at 200 %, where
    // every place doubles, and the buttons' letters with them.
    const int dpi = m_window->dpi();
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        if (scale == 2) moveToDisplayOf(window, dpi, 2 * dpi);
        const auto designed = [&](const Twips::Place& twips) {
            const Place p = placeOf(Win32Twips(dpi).toRect(twips));
            return Place{scale * p.left, scale * p.top, scale * p.width, scale * p.height};
        };
        const Place client = designed({0, 0, kWindow.clientWidthTwips, kWindow.clientHeightTwips});
        EXPECT_EQ(clientSize(window).cx, client.width);
        // The menu bar need not grow with the display: the frame Windows suggests is the system's.
        EXPECT_TRUE(scale == 2 || clientSize(window).cy == client.height);
        for (const Control* design : kControls) {
            SCOPED_TRACE(design->name);
            HWND found = control(design->name);
            ASSERT_TRUE(found);
            EXPECT_EQ(_stricmp(className(found).c_str(), classes[int(design->kind)]), 0);
            // Text1's first text gives way to the program folder at start-up.
            if (std::string_view(design->name) != "Text1") {
                EXPECT_EQ(text(found), design->caption);
            }
            EXPECT_EQ(place(found), designed(design->place));
            // The window itself is not shown in the tests: the control's own visibility.
            EXPECT_EQ((GetWindowLongW(found, GWL_STYLE) & WS_VISIBLE) != 0,
                      design->kind != Kind::HiddenTextBox && design->kind != Kind::HiddenButton);
            EXPECT_EQ(IsWindowEnabled(found) != FALSE, design->enabled);
        }
        for (int i = 0; i < ConversionHost::kPreviewCount; ++i) {
            EXPECT_EQ(place(control("Picture1", i)),
                      designed(PreviewBoxes::kTwips[static_cast<std::size_t>(i)]))
                << i;
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control("Command1"), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        EXPECT_EQ(utf8Text(font.lfFaceName), kWindow.fontFace);
        EXPECT_EQ(font.lfHeight, Win32Twips(scale * dpi).fontHeight(kWindow.fontPoints));
    }
    // The start-up put the program folder into Text1, ending in one separator.
    EXPECT_EQ(text(control("Text1")), m_fake.location.folder + "\\");
    EXPECT_EQ(SendMessageW(control("ProgressBar1"), PBM_GETRANGE, FALSE, 0), kProgressMaximum);

    // The menus as the user reads them: caption, the shortcut after a tab, and the name.
    HMENU bar = GetMenu(window);
    std::vector<MenuText> menus;
    for (const Menu& menu : kMenus) {
        menus.push_back({menu.caption, "", menu.name});
        std::vector<MenuText> entries;
        for (const MenuEntry& e : menu.entries) entries.push_back({e.caption, e.shortcut, e.name});
        EXPECT_EQ(menuTexts(GetSubMenu(bar, std::ssize(menus) - 1)), entries) << menu.name;
    }
    EXPECT_EQ(menuTexts(bar), menus);
    EXPECT_FALSE(saveOffered());
    EXPECT_FALSE(menuState("color64") & MF_CHECKED);
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
    SendMessageW(control("Command1"), BM_CLICK, 0, 0);
    command("openfifa99menu");
    EXPECT_TRUE(shortcut('O', true));
    EXPECT_EQ(m_fake.dialogs.openInitialPaths.size(), 3u);
    // Ctrl+S does nothing while Save is greyed out.
    shortcut('S', true);
    EXPECT_TRUE(m_fake.dialogs.saveInitialPaths.empty());

    command("color64");
    EXPECT_TRUE(menuState("color64") & MF_CHECKED);
    EXPECT_EQ(m_window->logic().paletteBase(), 0);

    // F2: Skin Select, owned by the main window. Ctrl+A twice: one About window.
    EXPECT_TRUE(shortcut(VK_F2, false));
    HWND skins = FindWindowW(L"VestrixForm2", L"Skin Select");
    ASSERT_TRUE(skins);
    EXPECT_EQ(GetWindow(skins, GW_OWNER), window);
    EXPECT_TRUE(shortcut('A', true));
    HWND about = FindWindowW(L"VestrixFrmAbout", L"About The Vestrix");
    ASSERT_TRUE(about);
    shortcut('A', true);
    EXPECT_EQ(FindWindowW(L"VestrixFrmAbout", nullptr), about);
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
    SendMessageW(control("Command1"), BM_CLICK, 0, 0);

    EXPECT_TRUE(saveOffered());
    EXPECT_EQ(SendMessageW(control("ProgressBar1"), PBM_GETPOS, 0, 0), 90);
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

TEST_F(Win32Form1Test, OnADisplayAtTwiceTheDensityPreviewPointsAreSharpBlocks) {
    const int dpi = m_window->dpi();
    moveToDisplayOf(m_window->handle(), dpi, 2 * dpi);
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
    // What Explorer hands over: one file name in a DROPFILES block, in UTF-16, the list ending
    // in an empty name.
    const std::wstring name = wideText(jersey);
    const std::size_t bytes = (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), name.c_str(),
                name.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    SendMessageW(m_window->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
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
    command("visitwebsiteMenu");
    EXPECT_EQ(place(command1), (Place{8, 160, 129, 25}));

    // 230 pixels wider: 6915 twips become 10365, 149 percent. Left 120 twips -> 178 -> 12 pixels;
    // width 1935 -> 2883 -> 192 pixels; the height is unchanged.
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 230, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(clientSize(window).cx, 691);
    command("visitwebsiteMenu");
    EXPECT_EQ(place(command1), (Place{12, 160, 192, 25}));
    // Picture1(4) was recorded as it stood, 144 and 66 pixels: left 2160 twips -> 3218 -> 215
    // pixels, width 990 -> 1475 -> 98.
    EXPECT_EQ(place(control("Picture1", 4)), (Place{215, 24, 98, 66}));
    EXPECT_TRUE(m_fake.messages.shown.empty()) << m_fake.messages.shown.front().text;
}

TEST_F(Win32Form1Test, AFolderConvertsWhileTheWindowServesItsMessagesWithOnlyCancelOffered) {
    const std::string kits = kitsFolder("kits");
    const std::string jerseys = path("jerseys");
    m_fake.dialogs.folderAnswers = {kits, jerseys};
    m_fake.messages.answers = {MessageAnswer::No};
    EXPECT_TRUE(pressKey('O', {VK_CONTROL, VK_SHIFT}));
    ASSERT_EQ(m_fake.dialogs.folderPickers.size(), 2u);

    // The run's end waits for the window's messages: until they are served, it is under way.
    const char* const commands[] = {"openfifa99menu", "Savefifa2000menu", "ConvertFolderMenu",
                                    "ExitMenu",       "color64",          "LoadSkinMenu"};
    EXPECT_TRUE(shown(control("CancelFolder")));
    EXPECT_FALSE(IsWindowEnabled(control("Command1")));
    for (const char* name : commands) EXPECT_TRUE(menuState(name) & MF_GRAYED) << name;
    EXPECT_EQ(SendMessageW(control("ProgressBar1"), PBM_GETRANGE, FALSE, 0), 3);
    // The shortcut does not reach the greyed entry: no second run.
    pressKey('O', {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(m_fake.dialogs.folderPickers.size(), 2u);

    serveUntilSummary();
    EXPECT_FALSE(shown(control("CancelFolder")));
    EXPECT_TRUE(IsWindowEnabled(control("Command1")));
    for (const char* name : commands) {
        // Save stays away: no kit was loaded.
        EXPECT_EQ((menuState(name) & MF_GRAYED) != 0, std::string_view(name) == "Savefifa2000menu")
            << name;
    }
    EXPECT_EQ(SendMessageW(control("ProgressBar1"), PBM_GETRANGE, FALSE, 0), 90);
    EXPECT_EQ(SendMessageW(control("ProgressBar1"), PBM_GETPOS, 0, 0), 0);
    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_TRUE(m_fake.messages.shown[0].text.starts_with("2 of 3 kits converted into " + jerseys))
        << m_fake.messages.shown[0].text;
    const std::string expected = referenceConversion(kits + "\\a.fsh", 191);
    EXPECT_TRUE(read(jerseys + "\\a.fsh") == expected);
    EXPECT_TRUE(read(jerseys + "\\nested\\b.fsh") == expected);
}

namespace {
Win32Form1* g_escapeWindow = nullptr;

/** Presses Escape as soon as CancelFolder appears: before the run's thread takes a kit. */
LRESULT CALLBACK pressEscapeWhenCancelAppears(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_WINDOWPOSCHANGED &&
        Win32ControlNames::name(sent->hwnd) == "CancelFolder" &&
        (reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_SHOWWINDOW)) {
        MSG escape{sent->hwnd, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
        EXPECT_TRUE(g_escapeWindow->translateAccelerator(escape));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST_F(Win32Form1Test, EscapeStopsAFolderConversionWhileCancelIsShown) {
    // Without a run Escape is nobody's.
    EXPECT_FALSE(pressKey(VK_ESCAPE));
    const std::string kits = kitsFolder("kits");
    const std::string jerseys = path("jerseys");
    m_fake.dialogs.folderAnswers = {kits, jerseys};
    m_fake.messages.answers = {MessageAnswer::No};
    // On screen, as the user has it: the focus goes to Cancel while it is there, then to Load.
    m_window->show();
    g_escapeWindow = m_window.get();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, pressEscapeWhenCancelAppears, nullptr,
                                   GetCurrentThreadId());
    command("ConvertFolderMenu");
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(GetFocus(), control("CancelFolder"));
    serveUntilSummary();
    EXPECT_EQ(GetFocus(), control("Command1"));
    ASSERT_EQ(m_fake.messages.shown.size(), 1u);
    EXPECT_TRUE(m_fake.messages.shown[0].text.starts_with(
        "0 of 3 kits converted into " + jerseys + "\nCancelled: 3 kits were not converted."))
        << m_fake.messages.shown[0].text;
    EXPECT_FALSE(std::filesystem::exists(toPath(jerseys + "\\a.fsh")));
}

TEST_F(Win32Form1Test, KitsAndFoldersDroppedTogetherAreConvertedIntoTheFolderAskedFor) {
    // Explorer's drop: wide names in a DROPFILES block, here a folder and a kit in Cyrillic.
    const std::string folder = kitsFolder("Кубок");
    const std::string kit = pathText(m_dir.path() / toPath("Ещё.fsh"));
    std::ofstream(toPath(kit), std::ios::binary) << jerseyBytes();
    std::wstring names = wideText(folder) + L'\0' + wideText(kit) + L'\0' + L'\0';
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    const std::string jerseys = path("jerseys");
    m_fake.dialogs.folderAnswers = {jerseys};
    m_fake.messages.answers = {MessageAnswer::No};
    SendMessageW(m_window->handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);

    serveUntilSummary();
    // Only the folder for the jerseys was asked for.
    EXPECT_EQ(m_fake.dialogs.folderPickers.size(), 1u);
    EXPECT_TRUE(m_fake.messages.shown[0].text.starts_with("3 of 4 kits converted into " + jerseys))
        << m_fake.messages.shown[0].text;
    EXPECT_TRUE(std::filesystem::exists(toPath(jerseys) / toPath("Ещё.fsh")));
    EXPECT_FALSE(saveOffered());
}

TEST_F(Win32Form1Test, ClosingTheWindowDuringAFolderConversionStopsItAndRunsNothingAfter) {
    m_fake.dialogs.folderAnswers = {kitsFolder("kits"), path("jerseys")};
    command("ConvertFolderMenu");
    SendMessageW(m_window->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(m_window->handle(), nullptr);
    // The run's thread is waited for; what it posted never runs: no summary, no question.
    m_window.reset();
    pumpMessages();
    EXPECT_TRUE(m_fake.messages.shown.empty());
}
