// A menu or menu entry in a window's controls collection: it has a Name and no geometry.
#pragma once

#include <QObject>
#include <QPointer>

#include "layout/layout_control.h"

class MenuEntryControl : public LayoutControl {
public:
    /** entry: the QMenu of a menu, or the QAction of an entry. */
    explicit MenuEntryControl(QObject* entry) : m_entry(entry) {}

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view, const PropertyValue&) override { return false; }
    bool move(std::span<const double>) override { return false; }
    bool isLine() const override { return false; }

private:
    QPointer<QObject> m_entry;
};
