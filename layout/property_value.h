// What a form or a control gives for a property read by name: a number, a yes/no or a text.
#pragma once

#include <string>
#include <variant>

/**
 * Numbers come as the window system reports them, fractions included (coordinates in the
 * container's units); the scaler rounds them itself where it stores whole numbers.
 */
using PropertyValue = std::variant<double, bool, std::string>;
