// The About window's controls, its buttons and keys handed to the logic.
#include "info/win32/win32_frm_about.h"

#include <cctype>
#include <string>
#include <string_view>

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
// The buttons other than the default one, numbered in the order of the design table.
constexpr int kFirstButtonId = 100;

using namespace FrmAboutDesign;

/** The client area's place on the screen, as designed, and the window's frame around it. */
POINT framePlace(int dpi) {
    RECT frame = Win32Twips(dpi).toRect(kClientLeftTwips, kClientTopTwips, kWindow.clientWidthTwips,
                                        kWindow.clientHeightTwips);
    Win32Dpi::adjustFrame(frame, kStyle, false, kExStyle, dpi);
    return POINT{frame.left, frame.top};
}

/** The logo's bitmap among the program's resources: logo32 is ABOUT_LOGO32. */
std::string resourceName(const char* logo) {
    std::string name = std::string("ABOUT_") + logo;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

/** A logo of the program's resources at its size on a display of dpi; null when missing. */
HBITMAP loadLogo(const std::string& resource, int dpi) {
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
    create(
        kExStyle, kClassName, kWindow.caption, kStyle, place.x, place.y,
        frameAround(owner, kWindow.clientWidthTwips, kWindow.clientHeightTwips, kStyle, kExStyle),
        owner);
    Win32ControlNames::set(handle(), "frmAbout");
    // The program's message loop gives the window Enter, Escape, Tab and Alt+S.
    SetPropW(handle(), L"VestrixDialogKeys", handle());
    buildControls();
}

Win32FrmAbout::~Win32FrmAbout() {
    for (const Logo& logo : m_logos) {
        if (logo.bitmap) DeleteObject(logo.bitmap);
    }
    for (const DrawnLine& line : m_lines) DeleteObject(line.brush);
}

void Win32FrmAbout::buildControls() {
    Win32Font& font = addFont(kWindow.fontFace, kWindow.fontPoints);
    const Win32Twips scale = twips();

    for (const Line& design : kLines) {
        // Level lines, drawn on and below the end points' row, end points included, as thick as
        // the display's scale makes a pixel.
        const int top = scale.toPixels(design.y1);
        HWND line = Win32Controls::create(
            handle(), "STATIC", "", SS_LEFT,
            RECT{scale.toPixels(design.x1), top, scale.toPixels(design.x2) + 1,
                 top + scale.fromDesignPixels(design.widthPixels)},
            design.name, 0, 0, design.index);
        const WindowDesign::Colour& colour = design.colour;
        m_lines.push_back({line, CreateSolidBrush(RGB(colour.red, colour.green, colour.blue))});
    }

    for (const Control& design : kControls) {
        const RECT place = scale.toRect(design.place);
        switch (design.kind) {
            case Kind::Button: {
                const bool isDefault = std::string_view(design.name) == kDefaultButton;
                // The default button answers to Enter and Escape (IDOK and IDCANCEL); the others
                // to their place in the table.
                const int id = isDefault ? IDOK : kFirstButtonId + int(m_clicks.size());
                HWND button = Win32Controls::create(
                    handle(), "BUTTON", design.caption,
                    (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, place, design.name,
                    id);
                font.applyTo(button);
                if (isDefault) m_cmdOK = button;
                m_clicks.push_back({id, design.click});
                break;
            }
            case Kind::Picture: {
                Logo logo;
                logo.resource = resourceName(design.caption);
                logo.box = Win32Controls::create(handle(), "STATIC", "", SS_BITMAP | SS_CENTERIMAGE,
                                                 place, design.name, 0, WS_EX_CLIENTEDGE);
                m_logos.push_back(logo);
                showLogo(m_logos.back());
                break;
            }
            case Kind::Label: {
                HWND label =
                    Win32Controls::create(handle(), "STATIC", "", SS_LEFT, place, design.name);
                font.applyTo(label);
                m_labels.push_back(Label{label, design.caption});
                break;
            }
        }
    }
    breakLabels();
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
        case WM_COMMAND: {
            // Escape is the default button's too, as its cancel button.
            const int id = LOWORD(wParam) == IDCANCEL ? IDOK : LOWORD(wParam);
            for (const Click& click : m_clicks) {
                if (click.id == id && (id == IDOK || HIWORD(wParam) == BN_CLICKED)) {
                    (m_logic.*click.procedure)();
                    return 0;
                }
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            for (const DrawnLine& line : m_lines) {
                if (reinterpret_cast<HWND>(lParam) == line.control) {
                    return reinterpret_cast<LRESULT>(line.brush);
                }
            }
            break;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}

void Win32FrmAbout::unload() { DestroyWindow(handle()); }
