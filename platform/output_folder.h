// A folder that a run writes many files into, opened once. Its files are looked at and written
// relative to the open folder (on POSIX systems), so the folder's path is looked up once however
// many jerseys go there, and every output's identity is known from the folder's and its own name.
#pragma once

#include <string>

#include "file_key.h"
#include "write_target.h"

class OutputFolder {
public:
    /** Opens path, an existing folder; throws FileAccessError ("Cannot write to folder ..."). */
    explicit OutputFolder(const std::string& path);
    OutputFolder(OutputFolder&& other) noexcept;
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;
    OutputFolder& operator=(OutputFolder&&) = delete;
    ~OutputFolder();

    const std::string& path() const { return m_path; }
    const FileKey& key() const { return m_key; }

    /** Throws FileAccessError when the folder takes no new file: one is made and removed. */
    void checkTakesFiles() const;
    /**
     * WriteTarget::examine of the file name inside this folder, which messages call shownPath;
     * the target is then written relative to the open folder.
     */
    WriteTarget examine(const std::string& name, const std::string& shownPath) const;

private:
    std::string m_path;
    FileKey m_key;
    int m_handle = -1;  // POSIX: the open folder's descriptor
};
