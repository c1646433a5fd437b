// The check a FIFA 99 jersey file must pass before it is converted.
#pragma once

#include <stdexcept>
#include <string>

/** The chosen file cannot be read, or is no ordinary file; the message names it and why. */
class JerseyFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/**
 * True when the file starts with "SHPI" (capitals) and byte 8, the low byte of the entry count, is
 * 14: FIFA 99 kits hold fourteen pictures. A file too short for either test fails. Throws
 * JerseyFileError when the file cannot be read: it does not exist (nothing is created in its
 * place), or it is a folder, device or FIFO (refused without waiting on it).
 */
bool isFifa99JerseyFile(const std::string& path);
