// Failures of a conversion. Each message names the file or the operation that failed, so the
// window and the command-line converter can show it as it stands.
#pragma once

#include <stdexcept>
#include <string>

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** The palette file is missing, not a JASC-PAL file, or damaged: the program cannot go on. */
class PaletteFileError : public ConversionError {
public:
    static constexpr const char* kMessage = "FIFA2K.PAL is missing or damaged !";
    PaletteFileError() : ConversionError(kMessage) {}
};

/** The work file is missing, too short to hold the nine pictures and the palette, or laid out
 * otherwise than a FIFA 2000 jersey. */
class WorkFileError : public ConversionError {
public:
    static constexpr const char* kMessage = "PK001.FSH is missing or damaged !";
    explicit WorkFileError(std::string reason = {})
        : ConversionError(kMessage), m_reason(std::move(reason)) {}
    /** What is wrong with the file, when known: "it does not start with SHPI". */
    const std::string& reason() const { return m_reason; }

private:
    std::string m_reason;
};

/** The FIFA 99 file cannot be opened or read. */
class SourceFileError : public ConversionError {
public:
    using ConversionError::ConversionError;
};
