// Control names and indexes as window properties.
#include "platform/win32/win32_control_names.h"

namespace {
constexpr const wchar_t* kNameProperty = L"VestrixName";
// Index + 1: a property that is not there reads as 0.
constexpr const wchar_t* kIndexProperty = L"VestrixIndex";

struct Search {
    std::string_view name;
    std::optional<int> index;
    HWND found = nullptr;
};

BOOL CALLBACK matchChild(HWND child, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (Win32ControlNames::name(child) == search.name &&
        Win32ControlNames::index(child) == search.index) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

namespace Win32ControlNames {

void set(HWND control, const char* name, std::optional<int> index) {
    SetPropW(control, kNameProperty, const_cast<char*>(name));
    if (index) {
        SetPropW(control, kIndexProperty,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(*index + 1)));
    }
}

std::string name(HWND control) {
    const auto* text = static_cast<const char*>(GetPropW(control, kNameProperty));
    return text ? text : "";
}

std::optional<int> index(HWND control) {
    const auto stored = reinterpret_cast<INT_PTR>(GetPropW(control, kIndexProperty));
    if (stored == 0) return std::nullopt;
    return static_cast<int>(stored - 1);
}

HWND find(HWND parent, std::string_view name, std::optional<int> index) {
    Search search{name, index};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace Win32ControlNames
