// jersey.cfg: the FIFA 99 file opened last and the FIFA 2000 file saved last, kept between runs.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

struct Settings {
    std::string lastOpenPath;
    std::string lastSavePath;
    bool operator==(const Settings&) const = default;
};

/** Reading or writing the settings file failed; the message names the file. */
class SettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/**
 * The file holds two lines, each a value in double quotes ended by CR LF: line 1 the path opened
 * last, line 2 the path saved last. Values are written as they stand, nothing escaped, in the
 * system's 8-bit code page; when a path has letters that code page lacks (a Cyrillic folder on a
 * western Windows), the whole file is UTF-8 after a byte-order mark instead. Both read back.
 */
class SettingsFile {
public:
    static constexpr const char* kFileName = "jersey.cfg";
    /**
     * A byte-order mark and two paths of the longest the systems allow (32767 UTF-16 units, each
     * up to three bytes of UTF-8), quoted, with their line ends.
     */
    static constexpr std::size_t kMaxBytes = 3 + 2 * (3 * 32767 + 4);

    /** programFolder ends in a separator; the file is programFolder + "jersey.cfg". */
    explicit SettingsFile(const std::string& programFolder);

    const std::string& path() const { return m_path; }

    /**
     * Both values; an absent or empty file gives two empty values and is left behind empty, and a
     * value the file does not hold reads as empty. Throws SettingsFileError when the file is there
     * but cannot be read, is no ordinary file or is longer than two paths can make it.
     */
    Settings read() const;

    /**
     * Replaces the whole file, or leaves it as it was. Throws SettingsFileError when it cannot be
     * written or is no ordinary file.
     */
    void write(const Settings& settings) const;

private:
    std::string m_path;
};
