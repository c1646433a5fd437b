// A control as the layout scaler sees it: properties by name and Move, each of which may fail.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "layout/property_value.h"

/**
 * A control reports a failure (an empty optional, false) for a property it lacks, a value it
 * refuses, or a Move it cannot make: a menu entry, for instance, has a Name and nothing else.
 */
class LayoutControl {
public:
    virtual ~LayoutControl() = default;

    /** "Name", "Index", "Left", "Top", "Width", "Height", "X1", "Y1", "X2", "Y2". */
    virtual std::optional<PropertyValue> property(std::string_view name) const = 0;
    /** "X1", "Y1", "X2", "Y2", "IntegralHeight". */
    virtual bool setProperty(std::string_view name, const PropertyValue& value) = 0;
    /** Two, three or four numbers: Left, Top, Width, Height. */
    virtual bool move(std::span<const double> numbers) = 0;
    /** Lines have end points X1, Y1, X2, Y2 instead of a position and a size. */
    virtual bool isLine() const = 0;
};
