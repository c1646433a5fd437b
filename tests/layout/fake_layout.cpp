// Scripted forms and controls for the layout scaler.
#include "fake_layout.h"

#include <sstream>

namespace {
std::string shown(const PropertyValue& value) {
    std::ostringstream text;
    std::visit([&text](const auto& v) { text << v; }, value);
    return text.str();
}
}  // namespace

std::shared_ptr<FakeControl> FakeControl::make(Properties properties, bool line) {
    auto control = std::make_shared<FakeControl>();
    control->properties = std::move(properties);
    control->line = line;
    return control;
}

std::optional<PropertyValue> FakeControl::property(std::string_view name) const {
    const auto found = properties.find(name);
    if (found == properties.end()) return std::nullopt;
    return found->second;
}

bool FakeControl::setProperty(std::string_view name, const PropertyValue& value) {
    log.push_back(std::string(name) + "=" + shown(value));
    const auto found = properties.find(name);
    if (found == properties.end()) return false;
    found->second = value;
    return true;
}

bool FakeControl::move(std::span<const double> numbers) {
    log.push_back("Move " + std::to_string(numbers.size()));
    if (!acceptedMoves.contains(numbers.size())) return false;
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (std::size_t i = 0; i < numbers.size(); ++i) properties[names[i]] = numbers[i];
    if (onMove) onMove();
    return true;
}

FakeForm::FakeForm()
    : properties{{"Name", std::string("Form1")}, {"Top", 0.0},          {"Left", 0.0},
                 {"Height", 6400.0},             {"Width", 6100.0},     {"ScaleWidth", 6000.0},
                 {"ScaleHeight", 6000.0},        {"Visible", true}} {}

std::optional<PropertyValue> FakeForm::property(std::string_view name) const {
    log.emplace_back(name);
    const auto found = properties.find(name);
    if (found == properties.end()) return std::nullopt;
    return found->second;
}

bool FakeForm::setProperty(std::string_view name, const PropertyValue& value) {
    log.push_back(std::string(name) + "=" + shown(value));
    const auto found = properties.find(name);
    if (found == properties.end() || refusedWrites.contains(name)) return false;
    found->second = value;
    // The frame takes 100 across and 400 down (caption and borders).
    if (innerFollowsOuter && name == "Height") {
        properties["ScaleHeight"] = std::get<double>(value) - 400;
    }
    if (innerFollowsOuter && name == "Width") {
        properties["ScaleWidth"] = std::get<double>(value) - 100;
    }
    return true;
}

std::optional<LayoutForm::Controls> FakeForm::controls() {
    if (listFails) return std::nullopt;
    return list;
}

void FakeForm::add(std::initializer_list<std::shared_ptr<FakeControl>> added) {
    list.insert(list.end(), added.begin(), added.end());
}
