// A folder that a run writes many files into, opened once. Its files are looked at and written
// relative to the open folder (on POSIX systems), so the folder's path is looked up once however
// many jerseys go there, and every output's identity is known from the folder's and its own name.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "platform/file_key.h"
#include "platform/write_target.h"

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
     * the target is then written relative to the open folder. The folder's names are listed
     * once, and a name it does not hold is new without a look of its own: a thousand jerseys
     * into a fresh folder cost no look-up each. (A file that appears there meanwhile is safe:
     * a new target is never written over an existing file.)
     */
    WriteTarget examine(const std::string& name, const std::string& shownPath) const;

private:
    std::string m_path;
    FileKey m_key;
    int m_handle = -1;  // POSIX: the open folder's descriptor
    // POSIX: the names the folder held when first asked, in lower case (as a FAT memory stick
    // or Windows compares them); nothing when they could not be listed.
    mutable std::optional<std::set<std::string>> m_names;
    mutable bool m_listed = false;
};
