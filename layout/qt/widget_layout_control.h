// A widget of a window as a control of the layout scaler, its geometry in twips.
#pragma once

#include <QPointer>
#include <QWidget>

#include "layout/layout_control.h"

/**
 * Left, Top, Width and Height are the widget's place in its parent, 15 twips to the pixel. A
 * picture box of a control array gives its "index" Qt property as Index. A widget with an "X1"
 * Qt property is a line: it has the int Qt properties X1, Y1, X2, Y2 in twips, and neither a
 * Left nor a Move. Anything else the widget lacks is a failure, as is a widget that is gone.
 */
class WidgetLayoutControl : public LayoutControl {
public:
    explicit WidgetLayoutControl(QWidget* widget) : m_widget(widget) {}

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view name, const PropertyValue& value) override;
    bool move(std::span<const double> numbers) override;
    bool isLine() const override;

private:
    QPointer<QWidget> m_widget;
};
