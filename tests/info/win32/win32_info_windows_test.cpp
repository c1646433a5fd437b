// The splash and About windows drawn with the Win32 API: where their controls stand, and which
// keys and clicks reach their event procedures.
#include <gtest/gtest.h>
#include <windows.h>

#include "fake_file_existence.h"
#include "fake_message_boxes.h"
#include "fake_program_exit.h"
#include "fake_registry.h"
#include "recording_program_starter.h"
#include "win32_control_names.h"
#include "win32_frm_about.h"
#include "win32_frm_splash.h"
#include "win32_window_probe.h"

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

TEST_F(Win32FrmSplashTest, ACentredDialogWithoutTitleBarOrTaskBarEntry) {
    HWND window = m_splash->handle();
    EXPECT_EQ(clientSize(window).cx, 380);
    EXPECT_EQ(clientSize(window).cy, 194);
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

    // The frame's border lies outside the window; the banner fills its top.
    EXPECT_EQ(place(control("Frame1")), (Place{-8, -16, 400, 267}));
    EXPECT_EQ(place(control("Image1")), (Place{8, 16, 380, 120}));
    const struct {
        const char* name;
        const char* text;
        int left, top;
    } labels[] = {{"lblCompanyProduct", "TAVRIMEL", 8, 136},
                  {"lblProductName", "Vestrix", 8, 160},
                  {"lblVersion", "Version 1.2", 8, 184},
                  {"lblWarning", "Use at your own risk !", 224, 192}};
    for (const auto& label : labels) {
        HWND found = control(label.name);
        ASSERT_TRUE(found) << label.name;
        EXPECT_EQ(text(found), label.text);
        EXPECT_EQ(place(found).left, label.left) << label.name;
        EXPECT_EQ(place(found).top, label.top) << label.name;
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

    FakeRegistry m_registry;
    CallLog m_checks;
    FakeFileExistence m_files{m_checks};
    CallLog m_started;
    RecordingProgramStarter m_starter{m_started};
    FakeMessageBoxes m_messages;
    HWND m_owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    std::unique_ptr<Win32FrmAbout> m_about = std::make_unique<Win32FrmAbout>(
        m_owner, AboutServices{m_registry, m_files, m_starter, m_messages});
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
        {"Label2",
         {},
         "CODE                 IDEA,  GRAPHICS   GRAPHICS            MISC ART",
         {96, 104, 97, 57}},
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
            EXPECT_EQ(text(found), expected.text);
        }
        EXPECT_EQ(place(found), expected.place);
    }
    // The logos are there, and the default button is OK.
    EXPECT_TRUE(SendMessageA(control("picIcon"), STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_TRUE(SendMessageA(control("Picture1"), STM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_TRUE(GetWindowLongA(control("cmdOK"), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(Win32FrmAboutTest, SystemInfoAsksTheLogicAndEscapeEnterOrOkCloseTheWindow) {
    m_about->show();
    // Nothing registered: the logic says so.
    SendMessageA(control("cmdSysInfo"), BM_CLICK, 0, 0);
    EXPECT_EQ(m_messages.texts(),
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    for (const WORD key : {VK_ESCAPE, VK_RETURN}) {
        dialogKey(key);
        EXPECT_FALSE(m_about->isOpen()) << key;
        m_about = std::make_unique<Win32FrmAbout>(
            m_owner, AboutServices{m_registry, m_files, m_starter, m_messages});
        m_about->show();
    }
    SendMessageA(control("cmdOK"), BM_CLICK, 0, 0);
    EXPECT_FALSE(m_about->isOpen());
}
