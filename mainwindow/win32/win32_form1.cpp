// The main window's controls and menus, its events handed to the logic, and what the logic draws.
#include "mainwindow/win32/win32_form1.h"

#include <windows.h>
// commctrl.h and shellapi.h need windows.h first.
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/preview_boxes.h"
#include "info/win32/win32_frm_about.h"
#include "layout/win32/win32_layout_form.h"
#include "mainwindow/form1_design.h"
#include "mainwindow/win32/win32_picture_box.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_posted_tasks.h"
#include "platform/win32/win32_text.h"
#include "skins/win32/win32_form2.h"
#include "skins/win32/win32_skin_surface.h"

namespace {
using namespace Form1Design;

constexpr const char* kClassName = "VestrixForm1";
constexpr ULONGLONG kProgressPaintMs = 40;
// A fixed single border: minimise, no maximise. The window clips its controls, so that the skin
// painted on its background stays behind them.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_ACCEPTFILES;
// Word of a task posted to the window: a kit to load once the window stands, a folder
// conversion's progress and end.
constexpr UINT kRunPosted = WM_APP + 1;
// The command numbers WM_COMMAND brings: the buttons by their place in the design, the menu
// entries one after another, menu by menu. Clear of IDOK and IDCANCEL, which the dialog keys
// Enter and Escape send.
constexpr WORD kFirstButtonCommand = 100;
constexpr WORD kFirstMenuCommand = 200;

/** Calls visit(entry, command number) for every menu entry of the design. */
template <typename Visit>
void forEachMenuEntry(Visit visit) {
    WORD command = kFirstMenuCommand;
    for (const Menu& menu : kMenus) {
        for (const MenuEntry& entry : menu.entries) visit(entry, command++);
    }
}

/** The menu's caption with the shortcut after a tab, as menus show it. */
std::string menuText(const MenuEntry& entry) {
    return *entry.shortcut ? std::string(entry.caption) + "\t" + entry.shortcut : entry.caption;
}

/** The key of a shortcut as the menu shows it: "Ctrl+O", "Ctrl+Shift+O", "F2". */
ACCEL accelerator(std::string_view shortcut, WORD command) {
    BYTE flags = FVIRTKEY;
    if (shortcut.starts_with("Ctrl+")) {
        flags |= FCONTROL;
        shortcut.remove_prefix(5);
    }
    if (shortcut.starts_with("Shift+")) {
        flags |= FSHIFT;
        shortcut.remove_prefix(6);
    }
    const WORD key = shortcut.size() > 1 && shortcut.front() == 'F'
                         ? static_cast<WORD>(VK_F1 + std::stoi(std::string(shortcut.substr(1))) - 1)
                         : static_cast<WORD>(shortcut.front());
    return ACCEL{flags, key, command};
}

/** Names a menu item by its item data: the layout scaler lists menus by these names. */
void nameMenuItem(HMENU menu, UINT position, const char* name) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    item.dwItemData = reinterpret_cast<ULONG_PTR>(name);
    SetMenuItemInfoW(menu, position, TRUE, &item);
}

/** The window's controls and menu entries by the names the design gives them. */
std::string_view nameOf(Form1View::Control control) {
    using Control = Form1View::Control;
    switch (control) {
        case Control::Command1:
            return kCommand1.name;
        case Control::Command2:
            return kCommand2.name;
        case Control::openfifa99menu:
            return "openfifa99menu";
        case Control::Savefifa2000menu:
            return "Savefifa2000menu";
        case Control::ConvertFolderMenu:
            return "ConvertFolderMenu";
        case Control::ExitMenu:
            return "ExitMenu";
        case Control::color64:
            return "color64";
        case Control::LoadSkinMenu:
            return "LoadSkinMenu";
        case Control::CancelFolder:
            return kCancelFolder.name;
        case Control::Text1:
            return kText1.name;
    }
    return {};
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
    create(kExStyle, kClassName, kWindow.caption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           frameAround(nullptr, kWindow.clientWidthTwips, kWindow.clientHeightTwips, kStyle,
                       kExStyle, true),
           nullptr, m_menu);
    m_posted = std::make_unique<Win32PostedTasks>(handle(), kRunPosted);
    setIcons();
    Win32ControlNames::set(handle(), "Form1");
    SetPropW(handle(), L"VestrixDialogKeys", handle());
    std::vector<ACCEL> shortcuts;
    forEachMenuEntry([&](const MenuEntry& entry, WORD command) {
        if (*entry.shortcut) shortcuts.push_back(accelerator(entry.shortcut, command));
    });
    m_accelerators = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
    m_surface = std::make_unique<Win32SkinSurface>(handle());
    m_layoutForm = std::make_unique<Win32LayoutForm>(handle());
    buildControls();
    m_logic.Form_Load();
}

Win32Form1::~Win32Form1() {
    endBackgroundWork();
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
    WORD command = kFirstMenuCommand;
    for (const Menu& menu : kMenus) {
        HMENU popup = CreatePopupMenu();
        for (const MenuEntry& entry : menu.entries) {
            AppendMenuW(popup, MF_STRING, command, wideText(menuText(entry)).c_str());
            nameMenuItem(popup, static_cast<UINT>(GetMenuItemCount(popup) - 1), entry.name);
            if (entry.click == &Form1::color64_Click) m_color64 = command;
            ++command;
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    wideText(menu.caption).c_str());
        nameMenuItem(bar, static_cast<UINT>(GetMenuItemCount(bar) - 1), menu.name);
    }
    return bar;
}

void Win32Form1::buildControls() {
    Win32Font& font = addFont(kWindow.fontFace, kWindow.fontPoints);
    m_command1 = addButton(kCommand1, font);
    m_command2 = addButton(kCommand2, font);
    m_cancelFolder = addButton(kCancelFolder, font);

    const Win32Twips scale = twips();
    for (int i = 0; i < ConversionHost::kPreviewCount; ++i) {
        m_pictures[static_cast<std::size_t>(i)] = std::make_unique<Win32PictureBox>(
            handle(), i, scale.toRect(PreviewBoxes::kTwips[static_cast<std::size_t>(i)]));
    }

    m_progressBar1 = addControl(kProgressBar1, PROGRESS_CLASSA, 0);
    SendMessageW(m_progressBar1, PBM_SETRANGE32, 0, kProgressMaximum);
    SendMessageW(m_progressBar1, PBM_SETPOS, 0, 0);

    m_text1 = addControl(kText1, "EDIT", ES_AUTOHSCROLL);
    addControl(kDDEtext, "EDIT", ES_AUTOHSCROLL);
}

HWND Win32Form1::addControl(const Form1Design::Control& control, const char* className, DWORD style,
                            int command) {
    const RECT place = twips().toRect(control.place);
    HWND made = Win32Controls::create(handle(), className, control.caption,
                                      style | (control.enabled ? 0 : WS_DISABLED), place,
                                      control.name, command);
    if (control.kind == Kind::HiddenTextBox || control.kind == Kind::HiddenButton)
        ShowWindow(made, SW_HIDE);
    return made;
}

HWND Win32Form1::addButton(const Form1Design::Control& control, Win32Font& font) {
    // The button's command number names its place in the design.
    const auto index =
        std::find(std::begin(kControls), std::end(kControls), &control) - std::begin(kControls);
    HWND button = addControl(control, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP,
                             kFirstButtonCommand + static_cast<int>(index));
    font.applyTo(button);
    return button;
}

void Win32Form1::show() {
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    SetFocus(m_command1);
    UpdateWindow(handle());
}

bool Win32Form1::translateAccelerator(MSG& message) {
    if (!handle() || GetAncestor(message.hwnd, GA_ROOT) != handle()) return false;
    // Escape stops a folder conversion, wherever the focus is: the commands that might have had
    // it are greyed out meanwhile. A key with nothing in focus comes as a system key.
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        message.wParam == VK_ESCAPE && IsWindowVisible(m_cancelFolder)) {
        m_logic.CancelFolder_Click();
        return true;
    }
    return TranslateAcceleratorW(handle(), m_accelerators, &message) != 0;
}

void Win32Form1::loadLater(const std::string& path) {
    postToWindow([this, path] { m_logic.loadJersey(path); });
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
        case kRunPosted:
            m_posted->runNext();
            return 0;
        case WM_CLOSE:
            // A folder being converted stops after the kits under way; the window then goes.
            m_logic.CancelFolder_Click();
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return Win32Window::handleMessage(message, wParam, lParam);
}

void Win32Form1::command(WORD id) {
    if (id >= kFirstButtonCommand && id < kFirstButtonCommand + std::size(kControls)) {
        if (const auto click = kControls[id - kFirstButtonCommand]->click) (m_logic.*click)();
        return;
    }
    // A shortcut reaches a greyed-out entry too: Save waits for a load.
    if (GetMenuState(m_menu, id, MF_BYCOMMAND) & MF_GRAYED) return;
    forEachMenuEntry([&](const MenuEntry& entry, WORD command) {
        if (command == id) (m_logic.*entry.click)();
    });
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
    // One kit loads; several, or a folder, are converted into a folder the user picks. The file
    // manager waits for the drop to end: the logic takes it once it has.
    postToWindow([this, paths] { m_logic.filesDropped(paths); });
}

void Win32Form1::setEnabled(Control control, bool enabled) {
    const std::string_view name = nameOf(control);
    if (HWND window = Win32ControlNames::find(handle(), name)) {
        // A button greyed out with the focus would leave the keys nowhere: the window keeps them.
        if (!enabled && GetFocus() == window) SetFocus(handle());
        EnableWindow(window, enabled ? TRUE : FALSE);
        // Load is back after a folder conversion: it takes the focus the run's Cancel had.
        if (enabled && control == Control::Command1 && GetFocus() == handle()) SetFocus(window);
    }
    forEachMenuEntry([&](const MenuEntry& entry, WORD command) {
        if (entry.name == name) {
            EnableMenuItem(m_menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        }
    });
}

void Win32Form1::setVisible(Control control, bool visible) {
    if (control != Control::CancelFolder) return;
    if (!visible && GetFocus() == m_cancelFolder) SetFocus(handle());
    ShowWindow(m_cancelFolder, visible ? SW_SHOW : SW_HIDE);
    // Space and Enter press Cancel too, as in any window that shows progress.
    if (visible && GetFocus() == handle()) SetFocus(m_cancelFolder);
}

void Win32Form1::setProgressMaximum(int maximum) {
    SendMessageW(m_progressBar1, PBM_SETRANGE32, 0, maximum);
}

void Win32Form1::runInBackground(std::function<void()> work) {
    if (m_worker.joinable()) m_worker.join();  // the last run's thread, ended already
    m_worker = std::thread(std::move(work));
}

void Win32Form1::postToWindow(std::function<void()> task) { m_posted->post(std::move(task)); }

void Win32Form1::endBackgroundWork() {
    if (!m_worker.joinable()) return;
    m_logic.CancelFolder_Click();
    m_worker.join();
}

void Win32Form1::destroyed() { m_posted->stop(); }

void Win32Form1::setChecked(Control control, bool checked) {
    if (control == Control::color64) {
        CheckMenuItem(m_menu, m_color64, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
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
