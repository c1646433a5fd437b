// Which files a run reads, so that no output lands on one of them: compared by resolved path and,
// for files that exist, by their file key (device and inode), so hard and symbolic links count as
// the same file.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

class FileIdentity {
public:
    /** Remembers path; label is what messages call it (the path as given by default). */
    void add(const std::filesystem::path& path, const std::string& label = {});
    /** The label of the remembered file that writing path would replace, if any. */
    std::optional<std::string> sameAs(const std::filesystem::path& path) const;

private:
    std::map<std::string, std::string> m_byPath;  // resolved path -> label
    std::map<std::pair<std::uintmax_t, std::uintmax_t>, std::string> m_byInode;
};
