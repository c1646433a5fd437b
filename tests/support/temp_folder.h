// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    /** name inside the folder, as the program names files: a plain string. */
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    /** Writes bytes to name inside the folder (sub-folders are made) and returns its path. */
    std::string write(const std::string& name, const std::string& bytes) const;
    /** The whole content of a file; empty when it cannot be read. */
    static std::string read(const std::string& path);

private:
    std::filesystem::path m_path;
};
