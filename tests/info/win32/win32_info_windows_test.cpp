// The splash and About windows drawn with the Win32 API: where their controls stand (the splash's
// as its design table draws them), at 100 % and on a display scaled to 200 %, how the About labels
// break their lines, and which keys and clicks reach their event procedures.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "info/frm_about_design.h"
#include "info/frm_splash_design.h"
#include "info/win32/win32_frm_about.h"
#include "info/win32/win32_frm_splash.h"
#include "info/win32/win32_label_lines.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_text.h"
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
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION || (style & WS_SYSMENU));
    // Owned by a hidden window: out of the task bar.
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_TRUE(owner);
    EXPECT_FALSE(IsWindowVisible(owner));
    RECT frame, work;
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
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
        GetObjectW(reinterpret_cast<HBITMAP>(
                       SendMessageW(control(kImage1Name), STM_GETIMAGE, IMAGE_BITMAP, 0)),
                   sizeof banner, &banner);
        EXPECT_EQ(banner.bmWidth, scale * 380);
        for (const Label& design : kLabels) {
            SCOPED_TRACE(design.name);
            HWND label = control(design.name);
            ASSERT_TRUE(label);
            EXPECT_EQ(text(label), design.text);
            EXPECT_EQ((GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) == SS_RIGHT,
                      design.rightAligned);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font,
                       &font);
            EXPECT_EQ(utf8Text(font.lfFaceName), kLabelFace);
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
    SendMessageW(m_splash->handle(), WM_KEYDOWN, VK_RIGHT, 0);  // types nothing
    pumpMessages();
    EXPECT_EQ(m_mainWindowShown, 0);
    HWND window = m_splash->handle();
    SendMessageW(window, WM_CHAR, VK_ESCAPE, 0);
    SendMessageW(window, WM_CHAR, 'x', 0);  // before the window is gone
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
    SendMessageW(m_splash->handle(), WM_CLOSE, 0, 0);
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
        IsDialogMessageW(m_about->handle(), &message);
        pumpMessages();
    }

    FakeSystemInfoTool m_tool;
    HWND m_owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    std::unique_ptr<Win32FrmAbout> m_about =
        std::make_unique<Win32FrmAbout>(m_owner, AboutServices{m_tool});
};
}  // namespace

TEST_F(Win32FrmAboutTest, StandsAsItsDesignDrawsItAtEveryScale) {
    using namespace FrmAboutDesign;
    HWND window = m_about->handle();
    EXPECT_EQ(text(window), kWindow.caption);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_EQ(GetWindow(window, GW_OWNER), m_owner);
    const int dpi = m_about->dpi();
    const Place client = placeOf(Win32Twips(dpi).toRect(
        kClientLeftTwips, kClientTopTwips, kWindow.clientWidthTwips, kWindow.clientHeightTwips));
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x, client.left);
    EXPECT_EQ(origin.y, client.top);

    // At 100 %, then moved to a display at 200 %: every place doubles, the logos with their
    // boxes, and the separator's lines grow as thick as a pixel is there.
    std::map<std::string, int> logoWidths;
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        if (scale == 2) moveToDisplayOf(window, dpi, 2 * dpi);
        const Win32Twips twips(dpi);
        const auto designed = [&](const Twips::Place& place) {
            const Place p = placeOf(twips.toRect(place));
            return Place{scale * p.left, scale * p.top, scale * p.width, scale * p.height};
        };
        EXPECT_EQ(clientSize(window).cx, scale * client.width);
        EXPECT_EQ(clientSize(window).cy, scale * client.height);
        for (const Control& design : kControls) {
            SCOPED_TRACE(design.name);
            HWND found = control(design.name);
            ASSERT_TRUE(found);
            EXPECT_EQ(place(found), designed(design.place));
            const LONG controlStyle = GetWindowLongW(found, GWL_STYLE);
            switch (design.kind) {
                case Kind::Button:
                    EXPECT_EQ(text(found), design.caption);
                    EXPECT_EQ((controlStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
                              std::string_view(design.name) == kDefaultButton);
                    EXPECT_TRUE(controlStyle & WS_TABSTOP);
                    break;
                case Kind::Picture: {
                    // The logo is there, shows whole inside its box and is enlarged with it.
                    BITMAP logo{};
                    ASSERT_TRUE(GetObjectW(reinterpret_cast<HBITMAP>(
                                               SendMessageW(found, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                                           sizeof logo, &logo));
                    EXPECT_LE(logo.bmWidth, clientSize(found).cx);
                    EXPECT_LE(logo.bmHeight, clientSize(found).cy);
                    int& designWidth = logoWidths[design.name];
                    if (scale == 1) designWidth = logo.bmWidth;
                    EXPECT_EQ(logo.bmWidth, scale * designWidth);
                    break;
                }
                case Kind::Label: {
                    // The labels come broken into lines at their width, each break in place of
                    // the spaces there; the design's own line ends stay.
                    std::string shown, designedWords;
                    for (char c : text(found)) shown += c == '\r' || c == '\n' ? ' ' : c;
                    for (const char* c = design.caption; *c; ++c) {
                        designedWords += *c == '\n' ? ' ' : *c;
                    }
                    const auto squeezed = [](std::string words) {
                        words.erase(
                            std::unique(words.begin(), words.end(),
                                        [](char a, char b) { return a == ' ' && b == ' '; }),
                            words.end());
                        return words;
                    };
                    EXPECT_EQ(squeezed(shown), squeezed(designedWords));
                    break;
                }
            }
        }
        // The etched separator's lines: level, from end point to end point, end points included,
        // on and below the end points' row.
        for (const Line& design : kLines) {
            SCOPED_TRACE(design.index);
            const Place from = designed({design.x1, design.y1, 0, 0});
            const Place to = designed({design.x2, design.y2, 0, 0});
            EXPECT_EQ(place(control(design.name, design.index)),
                      (Place{from.left, from.top, to.left - from.left + scale,
                             scale * design.widthPixels}));
        }
    }
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
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT drawn{0, 0, clientSize(label).cx, 0};
    DrawTextW(dc, wideText(shown).c_str(), -1, &drawn, DT_CALCRECT | DT_WORDBREAK | DT_LEFT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    const auto lines = 1 + std::count(shown.begin(), shown.end(), '\n');
    EXPECT_EQ(drawn.bottom, lines * metrics.tmHeight) << shown;
}

TEST_F(Win32FrmAboutTest, SystemInfoAsksTheLogicAndEscapeEnterOrOkCloseTheWindow) {
    m_about->show();
    SendMessageW(control("cmdSysInfo"), BM_CLICK, 0, 0);
    EXPECT_EQ(m_tool.starts, 1);
    for (const WORD key : {VK_ESCAPE, VK_RETURN}) {
        dialogKey(key);
        EXPECT_FALSE(m_about->isOpen()) << key;
        m_about = std::make_unique<Win32FrmAbout>(m_owner, AboutServices{m_tool});
        m_about->show();
    }
    SendMessageW(control("cmdOK"), BM_CLICK, 0, 0);
    EXPECT_FALSE(m_about->isOpen());
}
