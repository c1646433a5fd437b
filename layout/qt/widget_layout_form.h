// A top-level window as a form of the layout scaler, its geometry in twips.
#pragma once

#include <QPointer>
#include <QWidget>

#include "layout/layout_form.h"

/**
 * Top, Left, Height and Width are the window's frame on the screen; ScaleWidth and ScaleHeight
 * the area its controls live in: a main window's central widget, otherwise the window below its
 * menu bar. The controls
 * collection holds the named widgets of the client area, parents before their children in the
 * order they were made, then the menus and their entries from left to right, top to bottom.
 * The window is never a child window of another.
 */
class WidgetLayoutForm : public LayoutForm {
public:
    explicit WidgetLayoutForm(QWidget* window) : m_window(window) {}

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view name, const PropertyValue& value) override;
    std::optional<Controls> controls() override;

private:
    QPointer<QWidget> m_window;
};
