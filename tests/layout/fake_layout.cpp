// A scripted form or control for the layout scaler.
#include "tests/layout/fake_layout.h"

#include <algorithm>
#include <sstream>

std::shared_ptr<FakeObject> FakeObject::form() {
    return std::make_shared<FakeObject>(Properties{{"Name", std::string("Form1")},
                                                   {"Top", 0.0},
                                                   {"Left", 0.0},
                                                   {"Height", 6400.0},
                                                   {"Width", 6100.0},
                                                   {"ScaleWidth", 6000.0},
                                                   {"ScaleHeight", 6000.0},
                                                   {"Visible", true}});
}

std::optional<PropertyValue> FakeObject::property(std::string_view name) const {
    log.emplace_back(name);
    const auto found = properties.find(name);
    if (found == properties.end()) return std::nullopt;
    return found->second;
}

bool FakeObject::setProperty(std::string_view name, const PropertyValue& value) {
    std::ostringstream entry;
    entry << name << '=';
    std::visit([&entry](const auto& v) { entry << v; }, value);
    log.push_back(entry.str());
    const auto found = properties.find(name);
    if (found == properties.end() || refusedWrites.contains(name)) return false;
    found->second = value;
    if (innerFollowsOuter && name == "Height") properties["ScaleHeight"] = number("Height") - 400;
    if (innerFollowsOuter && name == "Width") properties["ScaleWidth"] = number("Width") - 100;
    return true;
}

std::optional<LayoutForm::Controls> FakeObject::controls() {
    if (listFails) return std::nullopt;
    return list;
}

bool FakeObject::move(std::span<const double> numbers) {
    log.push_back("Move=" + std::to_string(numbers.size()));
    if (!acceptedMoves.contains(numbers.size())) return false;
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (std::size_t i = 0; i < numbers.size(); ++i) properties[names[i]] = numbers[i];
    if (onMove) onMove();
    return true;
}

std::vector<std::string> FakeObject::writes() const {
    std::vector<std::string> result;
    std::copy_if(log.begin(), log.end(), std::back_inserter(result),
                 [](const std::string& entry) { return entry.find('=') != std::string::npos; });
    return result;
}
