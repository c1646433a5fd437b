// Reading and moving a child window for the layout scaler.
#include "layout/win32/win32_layout_control.h"

#include <array>

#include "platform/win32/win32_control_names.h"
#include "platform/win32/win32_window.h"

std::optional<PropertyValue> Win32LayoutControl::property(std::string_view name) const {
    if (!IsWindow(m_control)) return std::nullopt;
    if (name == "Name") return Win32ControlNames::name(m_control);
    if (name == "Index") {
        // Only the boxes of a control array carry one.
        const std::optional<int> index = Win32ControlNames::index(m_control);
        if (!index) return std::nullopt;
        return static_cast<double>(*index);
    }
    RECT place;
    GetWindowRect(m_control, &place);
    MapWindowPoints(nullptr, GetParent(m_control), reinterpret_cast<POINT*>(&place), 2);
    const Win32Twips scale(Win32Window::dpiOf(m_control));
    if (name == "Left") return scale.fromPixels(place.left);
    if (name == "Top") return scale.fromPixels(place.top);
    if (name == "Width") return scale.fromPixels(place.right - place.left);
    if (name == "Height") return scale.fromPixels(place.bottom - place.top);
    return std::nullopt;
}

bool Win32LayoutControl::move(std::span<const double> numbers) {
    if (!IsWindow(m_control) || numbers.size() < 2 || numbers.size() > 4) return false;
    std::array<int, 4> pixels{};
    const Win32Twips scale(Win32Window::dpiOf(m_control));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::optional<int> converted = scale.toPixels(numbers[i]);
        if (!converted) return false;
        pixels[i] = *converted;
    }
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (numbers.size() == 2) flags |= SWP_NOSIZE;
    if (numbers.size() == 3) {
        // A new width with the height the control has.
        RECT place;
        GetWindowRect(m_control, &place);
        pixels[3] = place.bottom - place.top;
    }
    if (pixels[2] < 0 || pixels[3] < 0) return false;
    return SetWindowPos(m_control, nullptr, pixels[0], pixels[1], pixels[2], pixels[3], flags) !=
           FALSE;
}
