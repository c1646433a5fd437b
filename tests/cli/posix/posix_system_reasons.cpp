// Reasons as the C library words errno.
#include <cerrno>
#include <cstring>

#include "tests/cli/system_reasons.h"

std::string missingFileReason() { return std::strerror(ENOENT); }
std::string missingFolderReason() { return std::strerror(ENOENT); }
