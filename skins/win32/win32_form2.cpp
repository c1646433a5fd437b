// The Skin Select window's controls, and its events handed to the logic.
#include "skins/win32/win32_form2.h"

#include "platform/win32/win32_clicks.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_text.h"
#include "skins/form2_design.h"

namespace {
using namespace Form2Design;

constexpr const char* kClassName = "VestrixForm2";
constexpr int kFile1Id = 1;
// A fixed tool window: a small title bar with a close box, no task-bar entry.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

Win32Form2::Win32Form2(HWND owner, SkinCanvas& canvas, const Form2Services& services)
    : m_logic(*this, canvas, services) {
    registerClass(kClassName);
    // Where the system chooses; only the size is ours.
    create(kExStyle, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           frameAround(owner, kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle), owner);
    Win32ControlNames::set(handle(), "Form2");
    buildControls();
    m_logic.Form_Load();
}

Win32Form2::~Win32Form2() = default;

void Win32Form2::buildControls() {
    Win32Font& font = addFont(kFontFace, kFontPoints);
    Win32Font& linkFont = addFont(kFontFace, kFontPoints, false, true);

    m_file1 =
        addControl(kFile1, "LISTBOX", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                   kFile1Id, WS_EX_CLIENTEDGE);
    font.applyTo(m_file1);

    m_label1 = addControl(kLabel1, "STATIC", SS_CENTER | SS_NOTIFY);
    linkFont.applyTo(m_label1);
    Win32Clicks::watch(m_label1, [this] { m_logic.Label1_Click(); });

    font.applyTo(addControl(kLabel2, "STATIC", SS_CENTER));
}

HWND Win32Form2::addControl(const Form2Design::Control& control, const char* className, DWORD style,
                            int id, DWORD exStyle) {
    return Win32Controls::create(handle(), className, control.caption, style,
                                 twips().toRect(control.place), control.name, id, exStyle);
}

void Win32Form2::show() {
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    // The arrow keys move through the skins as soon as the window opens.
    SetFocus(m_file1);
}

LRESULT Win32Form2::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Every change of the selection by the user paints, by mouse or arrow keys.
            if (LOWORD(wParam) == kFile1Id && HIWORD(wParam) == LBN_SELCHANGE) {
                m_logic.File1_Click();
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == m_label1) {
                // The link's blue on the window's own colour.
                const HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(kLinkColour.red, kLinkColour.green, kLinkColour.blue));
                SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_SETFOCUS:
            // Back in the window, the keyboard goes to the list again.
            SetFocus(m_file1);
            return 0;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}

void Win32Form2::setListEntries(const std::vector<std::string>& names) {
    SendMessageW(m_file1, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names) {
        const std::wstring shown = wideText(name);
        SendMessageW(m_file1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
}

void Win32Form2::setListIndex(int index) { SendMessageW(m_file1, LB_SETCURSEL, index, 0); }

int Win32Form2::listIndex() const {
    const LRESULT index = SendMessageW(m_file1, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}
