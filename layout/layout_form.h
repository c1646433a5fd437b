// A form as the layout scaler sees it: properties by name and its controls collection.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "layout/layout_control.h"
#include "layout/property_value.h"

class LayoutForm {
public:
    using Controls = std::vector<std::shared_ptr<LayoutControl>>;

    virtual ~LayoutForm() = default;

    /**
     * "Name", "Top", "Left", "Height", "Width" (outer size), "ScaleWidth", "ScaleHeight" (the
     * inner size, in the units of the controls' coordinates), "Visible", "MDIChild".
     */
    virtual std::optional<PropertyValue> property(std::string_view name) const = 0;
    /** "Height", "Width", "Visible". */
    virtual bool setProperty(std::string_view name, const PropertyValue& value) = 0;
    /**
     * Every control of the form, menu entries included, in the order of its controls collection;
     * nothing when the collection cannot be listed. The controls stay usable while the caller
     * holds them, even if the collection is listed again meanwhile.
     */
    virtual std::optional<Controls> controls() = 0;
};
