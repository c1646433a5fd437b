// A top-level window as a form of the layout scaler, its geometry in twips.
#pragma once

#include <windows.h>

#include "layout/layout_form.h"

/**
 * Top, Left, Height and Width are the window's frame on the screen; ScaleWidth and ScaleHeight
 * its client area below the menu bar, where its controls live. The controls collection holds the
 * window's named child windows in the order they were made, then the menus and their entries
 * from left to right, top to bottom, named by the text pointer each menu item carries as its
 * item data. The window is never an MDI child.
 */
class Win32LayoutForm : public LayoutForm {
public:
    explicit Win32LayoutForm(HWND window) : m_window(window) {}

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view name, const PropertyValue& value) override;
    std::optional<Controls> controls() override;

private:
    HWND m_window;
};
