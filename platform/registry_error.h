// A registry value that cannot be read as its type says, such as a string stored with no data.
#pragma once

#include <stdexcept>

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
