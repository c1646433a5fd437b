// A child window as a control of the layout scaler, its geometry in twips.
#pragma once

#include <windows.h>

#include "layout/layout_control.h"

/**
 * Name and Index are the names Win32ControlNames keeps; Left, Top, Width and Height the
 * control's place in its parent's client area. None of the windows the scaler moves has lines or
 * a list whose height snaps to whole rows: every other property is a failure, as is a control
 * that is gone.
 */
class Win32LayoutControl : public LayoutControl {
public:
    explicit Win32LayoutControl(HWND control) : m_control(control) {}

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view, const PropertyValue&) override { return false; }
    bool move(std::span<const double> numbers) override;
    bool isLine() const override { return false; }

private:
    HWND m_control;
};
