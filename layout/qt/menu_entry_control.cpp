// Menu entries answer to their name only; every geometry access fails.
#include "layout/qt/menu_entry_control.h"

std::optional<PropertyValue> MenuEntryControl::property(std::string_view name) const {
    if (!m_entry || name != "Name") return std::nullopt;
    return m_entry->objectName().toStdString();
}
