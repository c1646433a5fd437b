// A file the program was asked to read or write that it must leave alone or cannot use; the
// message names the file and the reason ("Cannot write /dev/null: it is a device, not a file").
#pragma once

#include <stdexcept>

class FileAccessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
