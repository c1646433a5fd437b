// Where a jersey may be written, and writing it so that no name is left holding part of one.
//
// A target is either new, or an existing ordinary file that its owner has not write-protected.
// Devices, FIFOs, sockets and folders are refused: writing a jersey "to /dev/null" must not
// replace the device with a file. A symbolic link is written through, so the link keeps pointing
// at the jersey. A file with other hard links is written where it is, so that every name shows
// the new jersey, but only after the space for it is reserved: a full disk then refuses the
// write before a byte changes. Any other target gets a new file beside it that replaces it once
// complete, with the old file's permissions.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/file_key.h"

class WriteTarget {
public:
    /** Looks at path. Throws FileAccessError ("Cannot write PATH: REASON") when it is refused. */
    static WriteTarget examine(const std::string& path);

    const std::string& path() const { return m_path; }
    bool exists() const { return m_key.has_value(); }
    /** The file that writing would change, when there is one. */
    const std::optional<FileKey>& key() const { return m_key; }

    /**
     * Makes bytes the whole content of the target. Throws FileAccessError with the system's
     * reason; the target then still holds its old content under every name, and no temporary
     * file is left behind. Each system write call takes at most pieceBytes (0: all at once).
     */
    void write(std::span<const std::uint8_t> bytes, std::size_t pieceBytes = 0) const;

    /** Removes the file that write made; for a set of files that could only be written in part. */
    void remove() const;

    /** Marks the hidden files that writes use beside a target: ".NAME.vestrix-PID-N". */
    static constexpr const char* kTemporaryMark = ".vestrix-";
    static bool isTemporaryName(const std::string& fileName) {
        return !fileName.empty() && fileName.front() == '.' &&
               fileName.find(kTemporaryMark) != std::string::npos;
    }

private:
    friend class OutputFolder;
    // m_writtenPath stands on its own, or is a name inside an OutputFolder's open folder.
    static constexpr int kWholePath = -1;
    /**
     * examine, for name inside the open folder folder (a POSIX descriptor; AT_FDCWD or
     * kWholePath: name is a whole path), called shown in messages.
     */
    static WriteTarget examineIn(int folder, const std::string& name, const std::string& shown);
    /** A target known to be new: name inside the open folder folder, called shown. */
    static WriteTarget newIn(int folder, const std::string& name, const std::string& shown) {
        WriteTarget target;
        target.m_path = shown;
        target.m_writtenPath = name;
        target.m_folder = folder;
        return target;
    }

    std::string m_path;         // as given, for messages
    std::string m_writtenPath;  // a symbolic link's final file; otherwise m_path or a bare name
    int m_folder = kWholePath;  // the open folder m_writtenPath is inside (a POSIX descriptor)
    std::optional<FileKey> m_key;
    // The existing file's permissions, kept by a replacement: its mode on POSIX, its hidden and
    // system attributes on Windows.
    std::uint32_t m_mode = 0;
    bool m_inPlace = false;  // other hard links share the file
};
