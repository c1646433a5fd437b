// The splash window: banner, maker, product, version and notice; any key or click moves on.
#include "info/win32/win32_frm_splash.h"

#include "info/frm_splash_design.h"
#include "platform/win32/win32_bitmap.h"
#include "platform/win32/win32_clicks.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_picture_decoder.h"

namespace {
using namespace FrmSplashDesign;

constexpr const char* kClassName = "VestrixFrmSplash";
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
    const SIZE size = frameAround(nullptr, kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle);
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

void Win32FrmSplash::showBanner() {
    // The banner was painted for 96 dpi: smoothly enlarged to the display's scale it fills its
    // place as it does at 100 %.
    const std::optional<Win32PictureDecoder::Picture> banner =
        Win32PictureDecoder::fromResource("SPLASH_BANNER");
    if (!banner) return;
    HBITMAP natural = Win32PictureDecoder::toBitmap(*banner);
    HBITMAP shown = natural;
    if (natural && dpi() != Win32Dpi::kDesign) {
        const Win32Twips scale = twips();
        shown = scaledSmoothly(natural, banner->width, banner->height,
                               scale.fromDesignPixels(banner->width),
                               scale.fromDesignPixels(banner->height));
        DeleteObject(natural);
    }
    // The control takes the picture's size.
    SendMessageW(m_image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
    if (m_banner) DeleteObject(m_banner);
    m_banner = shown;
}

void Win32FrmSplash::fitLabels() {
    for (const Label& label : m_labels) {
        const SIZE extent = Win32Controls::textExtent(label.control, label.text);
        SetWindowPos(label.control, nullptr, 0, 0, extent.cx, extent.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Win32FrmSplash::dpiChanged() {
    showBanner();
    fitLabels();
}

void Win32FrmSplash::buildControls() {
    const Win32Twips scale = twips();
    // The frame is larger than the client area: its border lies outside, only its inside shows.
    m_frame1 = Win32Controls::create(handle(), "STATIC", "", SS_NOTIFY | WS_CLIPCHILDREN,
                                     scale.toRect(kFrame1), kFrame1Name);
    Win32Clicks::watch(m_frame1, [this] { m_logic.Frame1_Click(); });

    m_image1 = Win32Controls::create(m_frame1, "STATIC", "", SS_BITMAP | SS_NOTIFY,
                                     scale.toRect(kImage1Left, kImage1Top, 0, 0), kImage1Name);
    showBanner();
    Win32Clicks::watch(m_image1, [this] { m_logic.Image1_Click(); });

    for (const FrmSplashDesign::Label& label : kLabels) addLabel(label);
    // Each sized to its text.
    fitLabels();
}

void Win32FrmSplash::addLabel(const FrmSplashDesign::Label& design) {
    // SS_NOTIFY: the label takes its clicks, which then do nothing, instead of passing them
    // through to the frame behind.
    HWND label = Win32Controls::create(m_frame1, "STATIC", design.text,
                                       (design.rightAligned ? SS_RIGHT : SS_LEFT) | SS_NOTIFY,
                                       twips().toRect(design.left, design.top, 0, 0), design.name);
    addFont(kLabelFace, design.points, design.bold).applyTo(label);
    Win32Clicks::swallow(label);
    m_labels.push_back(Label{label, design.text});
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
