// The check a FIFA 99 jersey file must pass before it is converted.
#pragma once

#include <stdexcept>
#include <string>

/** The chosen file cannot be opened at all; the message names it. */
class JerseyFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/**
 * True when the file starts with "SHPI" (capitals) and byte 8, the low byte of the entry count, is
 * 14: FIFA 99 kits hold fourteen pictures. A file too short for either test fails. A path that
 * does not exist is created empty by the check and so fails it. Throws JerseyFileError when the
 * file cannot be opened.
 */
bool isFifa99JerseyFile(const std::string& path);
