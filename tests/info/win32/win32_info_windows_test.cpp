// The splash and About windows drawn with the Win32 API: where their controls stand (the splash's
// as its design table draws them), at 100 % and on a display scaled to 200 %, how the About labels
// break their lines, and which keys and clicks reach their event procedures.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "info/frm_splash_design.h"
#include "info/win32/win32_frm_about.h"
#include "info/win32/win32_frm_splash.h"
#include "info/win32/win32_label_lines.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_twips.h"
#include "tests/platform/fake_program_exit.h"
#include "tests/platform/fake_registry.h"
#include "tests/platform/fake_system_info_tool.h"
#include "tests/platform/recording_program_starter.h"
#include "tests/support/win32/win32_window_probe.h"

using namespace Win32WindowProbe;

namespace {
class Win32FrmSplashTest : public ::testing::Test {
protected:
    HWND control(const char* name) { return Win32ControlNames::find(m_splash->handle(), name); }
    /** The splash is gone and the main window was asked for once. */
    bool movedOn() {
        pumpMessages();
        return !m_splash->handle() && m_mainWindowShown == 1;
    }

    FakeProgramExit m_exit;
    int m_mainWindowShown = 0;
    std::unique_ptr<Win32FrmSplash> m_splash =
        std::make_unique<Win32FrmSplash>(m_exit, [this] { ++m_mainWindowShown; });
};
}  // namespace

TEST_F(Win32FrmSplashTest, ACentredDialogWithoutTitleBarThatStandsAsItsDesignDrawsIt) {
    using namespace FrmSplashDesign;
    HWND window = m_splash->handle();
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION || (style & WS_SYSMENU));
    // Owned by a hidden window: out of the task bar.
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_TRUE(owner);
    EXPECT_FALSE(IsWindowVisible(owner));
    RECT frame, work;
    GetWindowRect(window, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);

    const int dpi = m_splash->dpi();
    // At 100 %, then moved to a display at 200 %: every place doubles, the banner is enlarged to
    // fill its place as at 100 %, and the labels are sized to their text again in faces twice as
    // large.
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        if (scale == 2) moveToDisplayOf(window, dpi, 2 * dpi);
        const Win32Twips twips(dpi);
        const auto designed = [&](int length) { return scale * twips.toPixels(length); };
        EXPECT_EQ(clientSize(window).cx, designed(kClientWidthTwips));
        EXPECT_EQ(clientSize(window).cy, designed(kClientHeightTwips));
        // The frame's border lies outside the window; the banner fills its top.
        const Place frame1 = placeOf(twips.toRect(kFrame1));
        EXPECT_EQ(place(control(kFrame1Name)),
                  (Place{scale * frame1.left, scale * frame1.top, scale * frame1.width,
                         scale * frame1.height}));
        EXPECT_EQ(place(control(kImage1Name)),
                  (Place{designed(kImage1Left), designed(kImage1Top), scale * 380, scale * 120}));
        BITMAP banner{};
        GetObjectA(reinterpret_cast<HBITMAP>(
                       SendMessageA(control(kImage1Name), STM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof banner, &banner);
        EXPECT_EQ(banner.bmWidth, scale * 380);
        for (const Label& design : kLabels) {
            SCOPED_TRACE(design.name);
            HWND label = control(design.name);
            ASSERT_TRUE(label);
            EXPECT_EQ(text(label), design.text);
            EXPECT_EQ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_RIGHT,
                      design.rightAligned);
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font,
                       &font);
            EXPECT_STREQ(font.lfFaceName, kLabelFace);
            EXPECT_EQ(font.lfHeight, Win32Twips(scale * dpi).fontHeight(design.points));
            EXPECT_EQ(font.lfWeight >= FW_BOLD, design.bold);
            // Sized to its text in the face it has now, not merely stretched with the window.
            const SIZE extent = Win32Controls::textExtent(label, design.text);
            EXPECT_EQ(place(label),
                      (Place{designed(design.left), designed(design.top), extent.cx, extent.cy}));
        }
    }
}

TEST_F(Win32FrmSplashTest, AKeyThatTypesACharacterMovesOnOnce) {
    SendMessageA(m_splash->handle(), WM_KEYDOWN, VK_RIGHT, 0);  // types nothing
    pumpMessages();
    EXPECT_EQ(m_mainWindowShown, 0);
    HWND window = m_splash->handle();
    SendMessageA(window, WM_CHAR, VK_ESCAPE, 0);
    SendMessageA(window, WM_CHAR, 'x', 0);  // before the window is gone
    EXPECT_TRUE(movedOn());
    EXPECT_TRUE(m_exit.statuses.empty());
}

TEST_F(Win32FrmSplashTest, AClickOnTheBannerOrTheFrameMovesOnAndOneOnALabelDoesNot) {
    click(control("lblVersion"), 2, 2, 2, 2);
    click(control("Image1"), 10, 10, 500, 500);  // released elsewhere
    pumpMessages();
    EXPECT_EQ(m_mainWindowShown, 0);
    click(control("Frame1"), 390, 250, 390, 250);
    EXPECT_TRUE(movedOn());
}

TEST_F(Win32FrmSplashTest, ClosingItBySystemCommandEndsTheProgram) {
    SendMessageA(m_splash->handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(m_exit.statuses, std::vector<int>{0});
    EXPECT_EQ(m_mainWindowShown, 0);
}

namespace {
class Win32FrmAboutTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_about.reset();
        DestroyWindow(m_owner);
    }
    HWND control(const char* name, std::optional<int> index = std::nullopt) {
        return Win32ControlNames::find(m_about->handle(), name, index);
    }
    /** A key as the program's message loop hands it to the window. */
    void dialogKey(WORD key) {
        MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        IsDialogMessageA(m_about->handle(), &message);
        pumpMessages();
    }

    FakeSystemInfoTool m_tool;
    HWND m_owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    std::unique_ptr<Win32FrmAbout> m_about =
        std::make_unique<Win32FrmAbout>(m_owner, AboutServices{m_tool});
};
}  // namespace

TEST_F(Win32FrmAboutTest, TheWindowAndItsControlsStandWhereTheyWereDesigned) {
    HWND window = m_about->handle();
    EXPECT_EQ(text(window), "About The Vestrix");
    EXPECT_EQ(clientSize(window).cx, 382);
    EXPECT_EQ(clientSize(window).cy, 237);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, 156);
    EXPECT_EQ(origin.y, 129);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(window, GW_OWNER), m_owner);

    const struct {
        const char* name;
        std::optional<int> index;
        const char* text;
        Place place;
    } controls[] = {
        {"cmdOK", {}, "OK", {283, 175, 84, 23}},
        {"picIcon", {}, "", {8, 16, 36, 36}},
        {"cmdSysInfo", {}, "&System Info...", {284, 205, 83, 23}},
        {"lblDescription",
         {},
         "It will create a FIFA2000 jersey file from an old FIFA99 file. great for your fifa needs "
         ":)",
         {70, 64, 259, 30}},
        {"lblTitle", {}, "Vestrix", {70, 16, 259, 16}},
        {"lblVersion", {}, "Version 1.2", {70, 40, 259, 15}},
        {"Label1", {}, nullptr, {8, 104, 81, 57}},
        {"Label2", {}, nullptr, {96, 104, 97, 57}},
        {"Label3", {}, nullptr, {208, 112, 158, 45}},
        {"lblDisclaimer", {}, nullptr, {17, 175, 258, 55}},
        {"Picture1", {}, "", {8, 56, 37, 37}},
        // The etched separator: grey on the row of its end points, white two rows below it.
        {"Line1", 1, "", {6, 163, 372, 1}},
        {"Line1", 0, "", {7, 164, 371, 2}},
    };
    for (const auto& expected : controls) {
        SCOPED_TRACE(expected.name);
        HWND found = control(expected.name, expected.index);
        ASSERT_TRUE(found);
        if (expected.text) {
            // The labels come broken into lines at their width, each break in place of a space.
            std::string shown = text(found);
            for (std::size_t at; (at = shown.find("\r\n")) != std::string::npos;) {
                shown.replace(at, 2, " ");
            }
            EXPECT_EQ(shown, expected.text);
        }
        EXPECT_EQ(place(found), expected.place);
    }
    // The logos are there, and the default button is OK.
    EXPECT_TRUE(SendMessageA(control("picIcon"), STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_TRUE(SendMessageA(control("Picture1"), STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_TRUE(GetWindowLongA(control("cmdOK"), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(Win32FrmAboutTest, OnADisplayAtTwiceTheDensityTheLogosAndTheSeparatorGrowWithTheWindow) {
    const int dpi = m_about->dpi();
    moveToDisplayOf(m_about->handle(), dpi, 2 * dpi);
    const int scale = 2 * dpi / 96;
    EXPECT_EQ(clientSize(m_about->handle()).cx, 382 * scale);
    EXPECT_EQ(place(control("picIcon")), (Place{8 * scale, 16 * scale, 36 * scale, 36 * scale}));
    // The 32-pixel logo enlarged with its box.
    BITMAP logo{};
    GetObjectA(
        reinterpret_cast<HBITMAP>(SendMessageA(control("picIcon"), STM_GETIMAGE, IMAGE_BITMAP, 0)),
        sizeof logo, &logo);
    EXPECT_EQ(logo.bmWidth, 32 * scale);
    EXPECT_EQ(place(control("Line1", 1)), (Place{6 * scale, 163 * scale, 372 * scale, scale}));
}

TEST(Win32LabelLines, ARunOfSpacesAtABreakEndsTheLineAndTheWordsAfterItStartTheNext) {
    // A character is a unit wide: what fits is plain to see.
    const auto measure = [](std::string_view text) { return static_cast<int>(text.size()); };
    const struct {
        const char* text;
        int width;
        const char* lines;
    } cases[] = {
        // The About window's credits: each role on a line, the spaces after it overflowing.
        {"CODE                 IDEA,  GRAPHICS   GRAPHICS            MISC ART", 15,
         "CODE\r\nIDEA,  GRAPHICS\r\nGRAPHICS\r\nMISC ART"},
        {"fits as it is", 13, "fits as it is"},
        {"one two three", 7, "one two\r\nthree"},
        // A word wider than the label stands alone; the lines the text breaks itself stay.
        {"a unbreakable b", 5, "a\r\nunbreakable\r\nb"},
        {"Code team\nDesign team", 20, "Code team\r\nDesign team"},
        {"", 10, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Win32LabelLines::broken(c.text, c.width, measure), c.lines) << c.text;
    }
}

TEST_F(Win32FrmAboutTest, TheCreditsStandInAColumnOfRolesOnePerLine) {
    // Whatever the face's widths, no line is wider than the label, so the label breaks none of
    // them again, and the roles come in their order with the spaces between them gone.
    HWND label = control("Label2");
    const std::string shown = text(label);
    std::string words;
    for (char c : shown) words += c == '\r' || c == '\n' ? ' ' : c;
    std::string squeezed;
    for (char c : words) {
        if (!(c == ' ' && !squeezed.empty() && squeezed.back() == ' ')) squeezed += c;
    }
    EXPECT_EQ(squeezed, "CODE IDEA, GRAPHICS GRAPHICS MISC ART");
    HDC dc = GetDC(label);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    RECT drawn{0, 0, clientSize(label).cx, 0};
    DrawTextA(dc, shown.c_str(), -1, &drawn, DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    const auto lines = 1 + std::count(shown.begin(), shown.end(), '\n');
    EXPECT_EQ(drawn.bottom, lines * metrics.tmHeight) << shown;
}

TEST_F(Win32FrmAboutTest, SystemInfoAsksTheLogicAndEscapeEnterOrOkCloseTheWindow) {
    m_about->show();
    SendMessageA(control("cmdSysInfo"), BM_CLICK, 0, 0);
    EXPECT_EQ(m_tool.starts, 1);
    for (const WORD key : {VK_ESCAPE, VK_RETURN}) {
        dialogKey(key);
        EXPECT_FALSE(m_about->isOpen()) << key;
        m_about = std::make_unique<Win32FrmAbout>(m_owner, AboutServices{m_tool});
        m_about->show();
    }
    SendMessageA(control("cmdOK"), BM_CLICK, 0, 0);
    EXPECT_FALSE(m_about->isOpen());
}
