// The Skin Select window's controls, and its events handed to the logic.
#include "win32_form2.h"

#include "win32_clicks.h"
#include "win32_control_names.h"
#include "win32_controls.h"
#include "win32_text.h"

namespace {
constexpr const char* kClassName = "VestrixForm2";
constexpr int kClientWidthTwips = 2175;
constexpr int kClientHeightTwips = 1395;
constexpr int kFile1Id = 1;
// A fixed tool window: a small title bar with a close box, no task-bar entry.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

Win32Form2::Win32Form2(HWND owner, SkinCanvas& canvas, const Form2Services& services)
    : m_logic(*this, canvas, services) {
    registerClass(kClassName);
    // Where the system chooses; only the size is ours.
    create(kExStyle, kClassName, "Skin Select", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           frameAround(owner, kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle), owner);
    Win32ControlNames::set(handle(), "Form2");
    buildControls();
    m_logic.Form_Load();
}

Win32Form2::~Win32Form2() = default;

void Win32Form2::buildControls() {
    Win32Font& font = addFont("MS Sans Serif", 8.25);
    Win32Font& linkFont = addFont("MS Sans Serif", 8.25, false, true);
    const Win32Twips scale = twips();

    m_file1 = Win32Controls::create(
        handle(), "LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
        scale.toRect(0, 0, 2175, 675), "File1", kFile1Id, WS_EX_CLIENTEDGE);
    font.applyTo(m_file1);

    m_label1 =
        Win32Controls::create(handle(), "STATIC", "Download more SKINS", SS_CENTER | SS_NOTIFY,
                              scale.toRect(120, 720, 1935, 255), "Label1");
    linkFont.applyTo(m_label1);
    Win32Clicks::watch(m_label1, [this] { m_logic.Label1_Click(); });

    HWND label2 = Win32Controls::create(handle(), "STATIC", " from the Vestrix's web page",
                                        SS_CENTER, scale.toRect(0, 960, 2175, 495), "Label2");
    font.applyTo(label2);
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
                SetTextColor(dc, RGB(0, 0, 255));
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
