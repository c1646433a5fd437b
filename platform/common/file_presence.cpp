// The presence test for the tool's own files.
#include "platform/common/file_presence.h"

#include "platform/common/binary_access.h"

bool isPresentCreatingIfAbsent(const std::string& path) {
    FileHandle file = openForBinaryAccess(path);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
    return std::ftell(file.get()) > 0;
}
