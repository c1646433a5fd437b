// A window's frame, client area and controls collection for the layout scaler.
#include "layout/win32/win32_layout_form.h"

#include <memory>

#include "layout/win32/win32_layout_control.h"
#include "layout/win32/win32_menu_entry_control.h"
#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_window.h"

namespace {
/** The name a menu item carries as its item data (a text with the program's lifetime). */
std::string menuItemName(HMENU menu, UINT position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_DATA;
    if (!GetMenuItemInfoW(menu, position, TRUE, &item) || item.dwItemData == 0) return {};
    return reinterpret_cast<const char*>(item.dwItemData);
}

void addMenuEntries(HMENU menu, LayoutForm::Controls& controls) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        const std::string name = menuItemName(menu, static_cast<UINT>(position));
        if (!name.empty()) controls.push_back(std::make_shared<Win32MenuEntryControl>(name));
        if (HMENU submenu = GetSubMenu(menu, position)) addMenuEntries(submenu, controls);
    }
}

/** The child windows in the order they were made: each new one goes below those before it. */
void addChildren(HWND window, LayoutForm::Controls& controls) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!Win32ControlNames::name(child).empty()) {
            controls.push_back(std::make_shared<Win32LayoutControl>(child));
        }
    }
}
}  // namespace

std::optional<PropertyValue> Win32LayoutForm::property(std::string_view name) const {
    if (!IsWindow(m_window)) return std::nullopt;
    if (name == "Name") return Win32ControlNames::name(m_window);
    if (name == "Visible") return IsWindowVisible(m_window) != FALSE;
    if (name == "MDIChild") return false;
    RECT frame;
    GetWindowRect(m_window, &frame);
    const Win32Twips scale(Win32Window::dpiOf(m_window));
    if (name == "Top") return scale.fromPixels(frame.top);
    if (name == "Left") return scale.fromPixels(frame.left);
    if (name == "Height") return scale.fromPixels(frame.bottom - frame.top);
    if (name == "Width") return scale.fromPixels(frame.right - frame.left);
    RECT client;
    GetClientRect(m_window, &client);
    if (name == "ScaleWidth") return scale.fromPixels(client.right);
    if (name == "ScaleHeight") return scale.fromPixels(client.bottom);
    return std::nullopt;
}

bool Win32LayoutForm::setProperty(std::string_view name, const PropertyValue& value) {
    if (!IsWindow(m_window)) return false;
    if (name == "Visible") {
        const bool* visible = std::get_if<bool>(&value);
        if (!visible) return false;
        ShowWindow(m_window, *visible ? SW_SHOW : SW_HIDE);
        return true;
    }
    if (name != "Height" && name != "Width") return false;
    const double* twips = std::get_if<double>(&value);
    const Win32Twips scale(Win32Window::dpiOf(m_window));
    const std::optional<int> pixels = twips ? scale.toPixels(*twips) : std::nullopt;
    if (!pixels || *pixels < 0) return false;
    // Height and Width count the frame, as SetWindowPos does.
    RECT frame;
    GetWindowRect(m_window, &frame);
    const int width = name == "Width" ? *pixels : frame.right - frame.left;
    const int height = name == "Height" ? *pixels : frame.bottom - frame.top;
    return SetWindowPos(m_window, nullptr, 0, 0, width, height,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

std::optional<LayoutForm::Controls> Win32LayoutForm::controls() {
    if (!IsWindow(m_window)) return std::nullopt;
    Controls controls;
    addChildren(m_window, controls);
    if (HMENU bar = GetMenu(m_window)) addMenuEntries(bar, controls);
    return controls;
}
