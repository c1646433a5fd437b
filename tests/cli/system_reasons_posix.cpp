// Reasons as the C library words errno.
#include "system_reasons.h"

#include <cerrno>
#include <cstring>

std::string missingFolderReason() { return std::strerror(ENOENT); }
std::string notAFolderReason() { return std::strerror(ENOTDIR); }
