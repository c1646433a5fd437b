// A scripted form or control for the layout scaler: properties in a table, every access logged.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "layout/layout_form.h"

using Properties = std::map<std::string, PropertyValue, std::less<>>;

/**
 * A property missing from the table fails to read and to write. The log holds reads as "Name",
 * writes as "Name=value" and moves as "Move=4" (the count of numbers).
 */
class FakeObject : public LayoutForm, public LayoutControl {
public:
    explicit FakeObject(Properties table = {}, bool isLine = false)
        : properties(std::move(table)), line(isLine) {}
    /** Named "Form1", inner size 6000 x 6000 inside a frame of 100 across and 400 down, shown. */
    static std::shared_ptr<FakeObject> form();

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view name, const PropertyValue& value) override;
    std::optional<Controls> controls() override;
    bool move(std::span<const double> numbers) override;
    bool isLine() const override { return line; }

    double number(const char* name) const { return std::get<double>(properties.at(name)); }
    std::vector<std::string> writes() const;

    Properties properties;
    bool line = false;
    std::set<std::size_t> acceptedMoves{2, 3, 4};
    std::set<std::string, std::less<>> refusedWrites;
    bool innerFollowsOuter = false;  // writing Height or Width changes the inner size along
    Controls list;
    bool listFails = false;
    std::function<void()> onMove;
    mutable std::vector<std::string> log;
};
