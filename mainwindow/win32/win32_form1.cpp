// The main window's controls and menus, its events handed to the logic, and what the logic draws.
#include "win32_form1.h"

#include <windows.h>
// commctrl.h and shellapi.h need windows.h first.
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "dropped_kit.h"
#include "preview_boxes.h"
#include "win32_control_names.h"
#include "win32_controls.h"
#include "win32_dpi.h"
#include "win32_form2.h"
#include "win32_frm_about.h"
#include "win32_layout_form.h"
#include "win32_picture_box.h"
#include "win32_skin_surface.h"
#include "win32_text.h"

namespace {
constexpr const char* kClassName = "VestrixForm1";
constexpr int kClientWidthTwips = 6915;
constexpr int kClientHeightTwips = 5610;
constexpr int kProgressMaximum = 90;
constexpr ULONGLONG kProgressPaintMs = 40;
// A fixed single border: minimise, no maximise. The window clips its controls, so that the skin
// painted on its background stays behind them.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_ACCEPTFILES;
// A kit from the command line or dropped on the window, loaded from the message loop.
constexpr UINT kLoadPending = WM_APP + 1;

struct MenuEntry {
    const char* caption;  // with the shortcut after a tab, as menus show it
    const char* name;
    Win32Form1::Command command;
};

struct Menu {
    const char* caption;
    const char* name;
    std::vector<MenuEntry> entries;
};

const Menu kMenus[] = {
    {"File",
     "FileMenu",
     {{"Open Fifa99 Jersey\tCtrl+O", "openfifa99menu", Win32Form1::kOpenMenu},
      {"Save Fifa2000 Jersey\tCtrl+S", "Savefifa2000menu", Win32Form1::kSaveMenu},
      {"Exit\tCtrl+X", "ExitMenu", Win32Form1::kExitMenu}}},
    {"Options",
     "viewmenu",
     {{"Make 64 Color Jersey", "color64", Win32Form1::kColor64},
      {"Load Skin\tF2", "LoadSkinMenu", Win32Form1::kLoadSkinMenu}}},
    {"Help",
     "HelpMenu",
     {{"ReadMe.TXT\tF1", "readme_menu", Win32Form1::kReadmeMenu},
      {"About\tCtrl+A", "AboutMenu", Win32Form1::kAboutMenu},
      {"Visit Our Website\tCtrl+V", "visitwebsiteMenu", Win32Form1::kWebsiteMenu}}},
};

ACCEL kShortcuts[] = {
    {FVIRTKEY | FCONTROL, 'O', Win32Form1::kOpenMenu},
    {FVIRTKEY | FCONTROL, 'S', Win32Form1::kSaveMenu},
    {FVIRTKEY | FCONTROL, 'X', Win32Form1::kExitMenu},
    {FVIRTKEY, VK_F2, Win32Form1::kLoadSkinMenu},
    {FVIRTKEY, VK_F1, Win32Form1::kReadmeMenu},
    {FVIRTKEY | FCONTROL, 'A', Win32Form1::kAboutMenu},
    {FVIRTKEY | FCONTROL, 'V', Win32Form1::kWebsiteMenu},
};

/** Names a menu item by its item data: the layout scaler lists menus by these names. */
void nameMenuItem(HMENU menu, UINT position, const char* name) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(name);
    SetMenuItemInfoW(menu, position, TRUE, &item);
}

HICON loadIcon(const wchar_t* name, int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}
}  // namespace

Win32Form1::Win32Form1(const MainWindowServices& services)
    : m_services(services), m_logic(*this, services) {
    registerClass(kClassName);
    m_menu = buildMenus();
    create(kExStyle, kClassName, "Vestrix", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           frameAround(nullptr, kClientWidthTwips, kClientHeightTwips, kStyle, kExStyle, true),
           nullptr, m_menu);
    setIcons();
    Win32ControlNames::set(handle(), "Form1");
    SetPropW(handle(), L"VestrixDialogKeys", handle());
    m_accelerators = CreateAcceleratorTableW(kShortcuts, static_cast<int>(std::size(kShortcuts)));
    m_surface = std::make_unique<Win32SkinSurface>(handle());
    m_layoutForm = std::make_unique<Win32LayoutForm>(handle());
    buildControls();
    m_logic.Form_Load();
}

Win32Form1::~Win32Form1() {
    if (m_accelerators) DestroyAcceleratorTable(m_accelerators);
    for (HICON icon : m_icons) {
        if (icon) DestroyIcon(icon);
    }
}

void Win32Form1::setIcons() {
    // The window's own sixteen-colour icon in the task switcher, the program's icon in the title
    // bar: each at the size the display's density asks for.
    const HICON icons[2] = {
        loadIcon(L"FORM1_ICON", twips().fromDesignPixels(32)),
        loadIcon(MAKEINTRESOURCEW(1), Win32Dpi::systemMetric(SM_CXSMICON, dpi())),
    };
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons[0]));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons[1]));
    for (int i = 0; i < 2; ++i) {
        if (m_icons[i]) DestroyIcon(m_icons[i]);
        m_icons[i] = icons[i];
    }
}

void Win32Form1::dpiChanged() {
    setIcons();
    m_surface->coverClientArea();
}

HMENU Win32Form1::buildMenus() {
    HMENU bar = CreateMenu();
    for (const Menu& menu : kMenus) {
        HMENU popup = CreatePopupMenu();
        for (const MenuEntry& entry : menu.entries) {
            AppendMenuW(popup, MF_STRING, entry.command, wideText(entry.caption).c_str());
            nameMenuItem(popup, static_cast<UINT>(GetMenuItemCount(popup) - 1), entry.name);
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    wideText(menu.caption).c_str());
        nameMenuItem(bar, static_cast<UINT>(GetMenuItemCount(bar) - 1), menu.name);
    }
    return bar;
}

void Win32Form1::buildControls() {
    Win32Font& font = addFont("MS Sans Serif", 8.25);
    const Win32Twips scale = twips();

    m_command1 =
        Win32Controls::create(handle(), "BUTTON", "Load FIFA99 Jersey", BS_PUSHBUTTON | WS_TABSTOP,
                              scale.toRect(120, 2400, 1935, 375), "Command1", kCommand1);
    font.applyTo(m_command1);
    m_command2 = Win32Controls::create(handle(), "BUTTON", "Save FIFA2000 jersey",
                                       BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED,
                                       scale.toRect(120, 5040, 1935, 375), "Command2", kCommand2);
    font.applyTo(m_command2);

    for (int i = 0; i < ConversionHost::kPreviewCount; ++i) {
        const PreviewBoxes::Box& box = PreviewBoxes::kTwips[static_cast<std::size_t>(i)];
        m_pictures[static_cast<std::size_t>(i)] = std::make_unique<Win32PictureBox>(
            handle(), i, scale.toRect(box.left, box.top, box.width, box.height));
    }

    m_progressBar1 = Win32Controls::create(handle(), PROGRESS_CLASSA, "", 0,
                                           scale.toRect(2160, 2520, 3255, 255), "ProgressBar1");
    SendMessageW(m_progressBar1, PBM_SETRANGE32, 0, kProgressMaximum);
    SendMessageW(m_progressBar1, PBM_SETPOS, 0, 0);

    // Hidden text boxes: Text1 holds the program folder, DDEtext serves the web links later.
    m_text1 = Win32Controls::create(handle(), "EDIT", "Text1", ES_AUTOHSCROLL,
                                    scale.toRect(3480, 5160, 3135, 285), "Text1");
    ShowWindow(m_text1, SW_HIDE);
    HWND ddeText =
        Win32Controls::create(handle(), "EDIT", "INVISIBLE -- for URL lunching", ES_AUTOHSCROLL,
                              scale.toRect(3120, 5280, 3135, 285), "DDEtext");
    ShowWindow(ddeText, SW_HIDE);
}

void Win32Form1::show() {
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    SetFocus(m_command1);
    UpdateWindow(handle());
}

bool Win32Form1::translateAccelerator(MSG& message) {
    if (!handle() || GetAncestor(message.hwnd, GA_ROOT) != handle()) return false;
    return TranslateAcceleratorW(handle(), m_accelerators, &message) != 0;
}

void Win32Form1::loadLater(const std::string& path) {
    m_pendingLoad = path;
    PostMessageW(handle(), kLoadPending, 0, 0);
}

LRESULT Win32Form1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            command(LOWORD(wParam));
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(handle(), &client);
            m_surface->draw(reinterpret_cast<HDC>(wParam), client);
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(handle(), &paint);
            m_surface->draw(dc, paint.rcPaint);
            EndPaint(handle(), &paint);
            return 0;
        }
        case WM_PRINTCLIENT: {
            // A copy of the background as shown (PrintWindow); the controls draw their own.
            RECT client;
            GetClientRect(handle(), &client);
            m_surface->draw(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        case WM_SIZE:
            if (m_surface) m_surface->coverClientArea();
            break;
        case WM_DROPFILES:
            dropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case kLoadPending: {
            const std::string path = std::move(m_pendingLoad);
            m_pendingLoad.clear();
            if (!path.empty()) m_logic.loadJersey(path);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}

void Win32Form1::command(WORD id) {
    // A shortcut reaches a greyed-out entry too: Save waits for a load.
    if (id == kSaveMenu && !IsWindowEnabled(m_command2)) return;
    switch (id) {
        case kCommand1:
        case kOpenMenu:
            m_logic.Command1_Click();
            break;
        case kCommand2:
        case kSaveMenu:
            m_logic.Command2_Click();
            break;
        case kExitMenu:
            m_logic.ExitMenu_Click();
            break;
        case kColor64:
            m_logic.color64_Click();
            break;
        case kLoadSkinMenu:
            m_logic.LoadSkinMenu_Click();
            break;
        case kReadmeMenu:
            m_logic.readme_menu_Click();
            break;
        case kAboutMenu:
            m_logic.AboutMenu_Click();
            break;
        case kWebsiteMenu:
            m_logic.visitwebsiteMenu_Click();
            break;
    }
}

void Win32Form1::dropFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        std::wstring path(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(utf8Text(path));
    }
    DragFinish(drop);
    const std::string kit = droppedKit(paths);
    // The file manager waits for the drop to end: load once it has.
    if (!kit.empty()) loadLater(kit);
}

void Win32Form1::setEnabled(Control control, bool enabled) {
    if (control == Control::Command2) EnableWindow(m_command2, enabled ? TRUE : FALSE);
    if (control == Control::Savefifa2000menu) {
        EnableMenuItem(m_menu, kSaveMenu, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

void Win32Form1::setChecked(Control control, bool checked) {
    if (control == Control::color64) {
        CheckMenuItem(m_menu, kColor64, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void Win32Form1::setText(Control control, const std::string& text) {
    if (control == Control::Text1) SetWindowTextW(m_text1, wideText(text).c_str());
}

void Win32Form1::setProgress(int value) {
    SendMessageW(m_progressBar1, PBM_SETPOS, static_cast<WPARAM>(value), 0);
    // A load keeps the message loop waiting, and the bar and the previews are the user's only sign
    // that it works: on a slow disk paint them now and then; a quick load is painted when it ends.
    const ULONGLONG now = GetTickCount64();
    if (now - m_progressPainted >= kProgressPaintMs) {
        RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_progressPainted = now;
    }
}

PreviewSurface& Win32Form1::preview(int index) { return picture(index); }

void Win32Form1::clearPreview(int index) { picture(index).clear(); }

SkinCanvas& Win32Form1::background() { return *m_surface; }

void Win32Form1::repaintNow() {
    RedrawWindow(handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Win32Form1::isOpen(Companion window) {
    if (window == Companion::SkinSelect) return m_form2 && m_form2->isOpen();
    return m_about && m_about->isOpen();
}

void Win32Form1::open(Companion window) {
    if (window == Companion::SkinSelect) {
        m_form2.reset();
        m_form2 = std::make_unique<Win32Form2>(
            handle(), *m_surface,
            Form2Services{m_services.messageBoxes, m_services.urlOpener, m_services.programLocation,
                          m_services.skinReader});
    } else {
        m_about.reset();
        m_about = std::make_unique<Win32FrmAbout>(handle(), AboutServices{m_services.systemInfo});
    }
}

void Win32Form1::bringForward(Companion window) {
    if (window == Companion::SkinSelect) {
        m_form2->show();
    } else {
        m_about->show();
    }
}

LayoutForm& Win32Form1::layoutForm() { return *m_layoutForm; }
