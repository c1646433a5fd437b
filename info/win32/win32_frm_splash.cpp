// The splash window: banner, maker, product, version and notice; any key or click moves on.
#include "win32_frm_splash.h"

#include "win32_clicks.h"
#include "win32_control_names.h"
#include "win32_controls.h"
#include "win32_font.h"
#include "win32_picture_decoder.h"
#include "win32_twips.h"

namespace {
constexpr const char* kClassName = "VestrixFrmSplash";
constexpr int kClientWidthTwips = 5700;
constexpr int kClientHeightTwips = 2910;
// No caption, no control box, the fixed dialog border.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// The window goes once the handler that unloaded it is over: the click that did it is still
// being handled by one of its controls.
constexpr UINT kDestroyNow = WM_APP + 1;

POINT centredOnScreen(SIZE size) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return POINT{work.left + (work.right - work.left - size.cx) / 2,
                 work.top + (work.bottom - work.top - size.cy) / 2};
}
}  // namespace

Win32FrmSplash::Win32FrmSplash(ProgramExit& programExit, std::function<void()> showMainWindow)
    : m_logic(*this, programExit, std::move(showMainWindow)) {
    registerClass(kClassName);
    m_owner = CreateWindowExW(0, L"STATIC", L"Vestrix", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    const SIZE size = frameAround(kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle);
    const POINT place = centredOnScreen(size);
    create(kExStyle, kClassName, "", kStyle, place.x, place.y, size, m_owner);
    Win32ControlNames::set(handle(), "frmSplash");
    buildControls();
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    SetFocus(handle());
}

Win32FrmSplash::~Win32FrmSplash() {
    if (m_banner) DeleteObject(m_banner);
    if (m_owner) DestroyWindow(m_owner);
}

void Win32FrmSplash::buildControls() {
    // The frame is larger than the client area: its border lies outside, only its inside shows.
    m_frame1 = Win32Controls::create(handle(), "STATIC", "", SS_NOTIFY | WS_CLIPCHILDREN,
                                     Win32Twips::toRect(-120, -240, 6000, 4005), "Frame1");
    Win32Clicks::watch(m_frame1, [this] { m_logic.Frame1_Click(); });

    HWND image1 = Win32Controls::create(m_frame1, "STATIC", "", SS_BITMAP | SS_NOTIFY,
                                        Win32Twips::toRect(120, 240, 0, 0), "Image1");
    if (const auto banner = Win32PictureDecoder::fromResource("SPLASH_BANNER")) {
        m_banner = Win32PictureDecoder::toBitmap(*banner);
        // The control takes the picture's natural size.
        SendMessageW(image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_banner));
    }
    Win32Clicks::watch(image1, [this] { m_logic.Image1_Click(); });

    // Made in the order of their tab indexes: the notice first, the maker's name last.
    m_fonts.push_back(std::make_unique<Win32Font>("Arial", 8.25));
    addLabel("lblWarning", "Use at your own risk !", *m_fonts.back(), 3360, 2880, SS_LEFT);
    m_fonts.push_back(std::make_unique<Win32Font>("Arial", 12, true));
    addLabel("lblVersion", "Version 1.2", *m_fonts.back(), 120, 2760, SS_RIGHT);
    m_fonts.push_back(std::make_unique<Win32Font>("Arial", 15.75, true));
    addLabel("lblProductName", "Vestrix", *m_fonts.back(), 120, 2400, SS_LEFT);
    m_fonts.push_back(std::make_unique<Win32Font>("Arial", 18, true));
    addLabel("lblCompanyProduct", "TAVRIMEL", *m_fonts.back(), 120, 2040, SS_LEFT);
}

HWND Win32FrmSplash::addLabel(const char* name, const char* text, const Win32Font& font,
                              int leftTwips, int topTwips, DWORD alignment) {
    // SS_NOTIFY: the label takes its clicks, which then do nothing, instead of passing them
    // through to the frame behind.
    HWND label = Win32Controls::create(m_frame1, "STATIC", text, alignment | SS_NOTIFY,
                                       Win32Twips::toRect(leftTwips, topTwips, 0, 0), name);
    font.applyTo(label);
    const SIZE extent = Win32Controls::textExtent(label, text);
    // Sized to its text.
    SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Win32Clicks::swallow(label);
    return label;
}

LRESULT Win32FrmSplash::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            // Only keys that type something: arrows, function keys and Shift alone make none.
            m_logic.Form_KeyPress();
            return 0;
        case kDestroyNow:
            DestroyWindow(handle());
            return 0;
        case WM_CLOSE:
            // Not our own unload: the system's close command on the program's only window.
            if (!m_unloading) m_logic.Form_Unload();
            return 0;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}

void Win32FrmSplash::unload() {
    m_unloading = true;
    // Gone from the screen at once, before the main window's start-up can say anything.
    ShowWindow(handle(), SW_HIDE);
    PostMessageW(handle(), kDestroyNow, 0, 0);
}
