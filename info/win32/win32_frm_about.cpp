// The About window's controls, its buttons and keys handed to the logic.
#include "info/win32/win32_frm_about.h"

#include <iterator>
#include <string>

#include "info/frm_about_design.h"
#include "info/win32/win32_label_lines.h"
#include "platform/win32/win32_bitmap.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_text.h"

namespace {
constexpr const char* kClassName = "VestrixFrmAbout";
// The fixed dialog border with the close box only.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kSysInfoId = 100;

using namespace FrmAboutDesign;

/** Line1: the etched separator, a grey line over a white one a pixel lower. */
struct LineEnds {
    int index;
    int x1, y1, x2;
    int widthPixels;
    COLORREF colour;
};
constexpr LineEnds kLine1[] = {
    {1, 90, 2445, 5654, 1, RGB(128, 128, 128)},
    {0, 105, 2460, 5654, 2, RGB(255, 255, 255)},
};

/** The client area's place on the screen, as designed, and the window's frame around it. */
POINT framePlace(int dpi) {
    RECT frame = Win32Twips(dpi).toRect(kClientLeftTwips, kClientTopTwips, kClientWidthTwips,
                                        kClientHeightTwips);
    Win32Dpi::adjustFrame(frame, kStyle, false, kExStyle, dpi);
    return POINT{frame.left, frame.top};
}

/** A logo of the program's resources at its size on a display of dpi; null when missing. */
HBITMAP loadLogo(const char* resource, int dpi) {
    const auto logo =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), wideText(resource).c_str(),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!logo || dpi == Win32Dpi::kDesign) return logo;
    BITMAP size{};
    GetObjectW(logo, sizeof size, &size);
    const Win32Twips scale(dpi);
    HBITMAP scaled =
        scaledSmoothly(logo, size.bmWidth, size.bmHeight, scale.fromDesignPixels(size.bmWidth),
                       scale.fromDesignPixels(size.bmHeight));
    DeleteObject(logo);
    return scaled;
}
}  // namespace

Win32FrmAbout::Win32FrmAbout(HWND owner, const AboutServices& services) : m_logic(*this, services) {
    registerClass(kClassName);
    const POINT place = framePlace(newWindowDpi(owner));
    create(kExStyle, kClassName, "About The Vestrix", kStyle, place.x, place.y,
           frameAround(owner, kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle), owner);
    Win32ControlNames::set(handle(), "frmAbout");
    // The program's message loop gives the window Enter, Escape, Tab and Alt+S.
    SetPropW(handle(), L"VestrixDialogKeys", handle());
    buildControls();
}

Win32FrmAbout::~Win32FrmAbout() {
    for (const Logo& logo : m_logos) {
        if (logo.bitmap) DeleteObject(logo.bitmap);
    }
    for (HBRUSH brush : m_lineBrushes) {
        if (brush) DeleteObject(brush);
    }
}

void Win32FrmAbout::buildControls() {
    // The labels were sized for an eight-point face; a larger one would wrap out of them.
    Win32Font& font = addFont("MS Sans Serif", 8);
    const Win32Twips scale = twips();

    // The etched separator first, so that it lies under the controls.
    for (std::size_t i = 0; i < std::size(kLine1); ++i) {
        const LineEnds& line = kLine1[i];
        const int left = scale.toPixels(line.x1);
        // Level lines, drawn on and below the end points' row, end points included, as thick as
        // the display's scale makes a pixel.
        m_lines[i] = Win32Controls::create(
            handle(), "STATIC", "", SS_LEFT,
            RECT{left, scale.toPixels(line.y1), scale.toPixels(line.x2) + 1,
                 scale.toPixels(line.y1) + scale.fromDesignPixels(line.widthPixels)},
            "Line1", 0, 0, line.index);
        m_lineBrushes[i] = CreateSolidBrush(line.colour);
    }

    m_cmdOK = Win32Controls::create(handle(), "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                                    scale.toRect(4245, 2625, 1260, 345), "cmdOK", IDOK);
    font.applyTo(m_cmdOK);

    addPicture(0, "picIcon", "ABOUT_LOGO32", 120, 240, 540);

    HWND sysInfo =
        Win32Controls::create(handle(), "BUTTON", "&System Info...", BS_PUSHBUTTON | WS_TABSTOP,
                              scale.toRect(4260, 3075, 1245, 345), "cmdSysInfo", kSysInfoId);
    font.applyTo(sysInfo);

    for (const LabelText& label : kLabels) {
        HWND control = Win32Controls::create(
            handle(), "STATIC", "", SS_LEFT,
            scale.toRect(label.left, label.top, label.width, label.height), label.name);
        font.applyTo(control);
        m_labels.push_back(Label{control, label.text});
    }
    breakLabels();

    addPicture(1, "Picture1", "ABOUT_LOGO33", 120, 840, 555);
}

void Win32FrmAbout::addPicture(int index, const char* name, const char* resource, int leftTwips,
                               int topTwips, int sizeTwips) {
    // A picture box sized to its picture: the logo in the middle of a sunken border.
    Logo& logo = m_logos[index];
    logo.resource = resource;
    logo.box = Win32Controls::create(handle(), "STATIC", "", SS_BITMAP | SS_CENTERIMAGE,
                                     twips().toRect(leftTwips, topTwips, sizeTwips, sizeTwips),
                                     name, 0, WS_EX_CLIENTEDGE);
    showLogo(logo);
}

void Win32FrmAbout::showLogo(Logo& logo) {
    RECT place;
    GetWindowRect(logo.box, &place);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&place), 2);
    HBITMAP bitmap = loadLogo(logo.resource, dpi());
    SendMessageW(logo.box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    if (logo.bitmap) DeleteObject(logo.bitmap);
    logo.bitmap = bitmap;
    // Setting the picture sizes a bitmap static to it: the box keeps its place.
    SetWindowPos(logo.box, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrmAbout::breakLabels() {
    // Our own line breaks: the labels' columns line up as designed (see Win32LabelLines).
    for (const Label& label : m_labels) Win32LabelLines::setText(label.control, label.text);
}

void Win32FrmAbout::dpiChanged() {
    for (Logo& logo : m_logos) showLogo(logo);
    breakLabels();
}

void Win32FrmAbout::show() {
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    SetFocus(m_cmdOK);
}

LRESULT Win32FrmAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // OK is the default button (Enter) and the cancel button (Escape).
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                m_logic.cmdOK_Click();
                return 0;
            }
            if (LOWORD(wParam) == kSysInfoId && HIWORD(wParam) == BN_CLICKED) {
                m_logic.cmdSysInfo_Click();
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            for (std::size_t i = 0; i < std::size(m_lines); ++i) {
                if (reinterpret_cast<HWND>(lParam) == m_lines[i]) {
                    return reinterpret_cast<LRESULT>(m_lineBrushes[i]);
                }
            }
            break;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}

void Win32FrmAbout::unload() { DestroyWindow(handle()); }
