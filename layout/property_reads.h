// Reading a form's or a control's property by name as the kind of value the scaler needs; a
// missing property or a value of another kind is a LayoutFailure.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "layout/layout_failure.h"
#include "layout/property_value.h"

namespace PropertyReads {

[[noreturn]] inline void fail(std::string_view action, std::string_view name) {
    throw LayoutFailure("Layout: cannot " + std::string(action) + " the property " +
                        std::string(name));
}

template <class Kind, class Object>
Kind read(const Object& object, std::string_view name) {
    const auto value = object.property(name);
    if (!value) fail("read", name);
    const Kind* kind = std::get_if<Kind>(&*value);
    if (!kind) fail("read", name);
    return *kind;
}

template <class Object>
double number(const Object& object, std::string_view name) {
    return read<double>(object, name);
}

template <class Object>
std::string text(const Object& object, std::string_view name) {
    return read<std::string>(object, name);
}

template <class Object>
bool flag(const Object& object, std::string_view name) {
    return read<bool>(object, name);
}

template <class Object>
void write(Object& object, std::string_view name, const PropertyValue& value) {
    if (!object.setProperty(name, value)) fail("write", name);
}

}  // namespace PropertyReads
