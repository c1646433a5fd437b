// Recognising the same file under another name.
#include "file_identity.h"

#include "file_key.h"

namespace {

std::filesystem::path resolved(const std::filesystem::path& path) {
    std::error_code error;
    const auto canonical = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path).lexically_normal() : canonical;
}

}  // namespace

void FileIdentity::add(const std::filesystem::path& path, const std::string& label) {
    const std::string name = label.empty() ? path.string() : label;
    m_byPath.emplace(resolved(path).string(), name);
    if (const auto key = fileKey(path)) m_byInode.emplace(*key, name);
}

std::optional<std::string> FileIdentity::sameAs(const std::filesystem::path& path) const {
    if (const auto found = m_byPath.find(resolved(path).string()); found != m_byPath.end())
        return found->second;
    if (const auto key = fileKey(path)) {
        if (const auto found = m_byInode.find(*key); found != m_byInode.end()) return found->second;
    }
    return std::nullopt;
}
