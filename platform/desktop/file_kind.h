// Naming what a path is when it is not an ordinary file, for the user's message.
#pragma once

#include <sys/stat.h>

#include <string>

/** "it is a folder", "it is a FIFO, not a file", ... for a mode that is not a regular file. */
inline std::string notAFileReason(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
    if (S_ISFIFO(mode)) return "it is a FIFO, not a file";
    if (S_ISSOCK(mode)) return "it is a socket, not a file";
    return "it is not a file";
}
