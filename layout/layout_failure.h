// A failure of the layout scaler that reaches the caller: a property that cannot be read or
// written, a number out of range, a controls collection that cannot be listed.
#pragma once

#include <stdexcept>

class LayoutFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
