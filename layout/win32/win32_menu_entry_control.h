// A menu or menu entry in a window's controls collection: it has a Name and no geometry.
#pragma once

#include <string>

#include "layout/layout_control.h"

class Win32MenuEntryControl : public LayoutControl {
public:
    explicit Win32MenuEntryControl(std::string name) : m_name(std::move(name)) {}

    std::optional<PropertyValue> property(std::string_view name) const override {
        if (name != "Name") return std::nullopt;
        return m_name;
    }
    bool setProperty(std::string_view, const PropertyValue&) override { return false; }
    bool move(std::span<const double>) override { return false; }
    bool isLine() const override { return false; }

private:
    std::string m_name;
};
