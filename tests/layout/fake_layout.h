// Scripted forms and controls for the layout scaler: properties in a table, writes logged.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "layout_form.h"

using Properties = std::map<std::string, PropertyValue, std::less<>>;

/** A property a fake does not hold fails; so does a write of one it does not hold. */
class FakeControl : public LayoutControl {
public:
    static std::shared_ptr<FakeControl> make(Properties properties, bool line = false);

    std::optional<PropertyValue> property(std::string_view name) const override;
    bool setProperty(std::string_view name, const PropertyValue& value) override;
    /** Logged as "Move 4" etc.; only the arities in acceptedMoves take effect. */
    bool move(std::span<const double> numbers) override;
    bool isLine() const override { return line; }

    double number(const char* name) const { return std::get<double>(properties.at(name)); }

    Properties properties;
    bool line = false;
    std::set<std::size_t> acceptedMoves{2, 3, 4};
    std::vector<std::string> log;
    std::function<void()> onMove;
};

/** Named "Form1", inner size 6000 x 6000, visible, without an MDIChild property. */
class FakeForm : public LayoutForm {
public:
    FakeForm();

    std::optional<PropertyValue> property(std::string_view name) const override;
    /** Writing Height or Width moves the inner size along when innerFollowsOuter. */
    bool setProperty(std::string_view name, const PropertyValue& value) override;
    std::optional<Controls> controls() override;

    void add(std::initializer_list<std::shared_ptr<FakeControl>> added);

    Properties properties;
    Controls list;
    bool listFails = false;
    std::set<std::string, std::less<>> refusedWrites;
    bool innerFollowsOuter = false;
    mutable std::vector<std::string> log;  // reads by name, writes as "Name=value"
};
