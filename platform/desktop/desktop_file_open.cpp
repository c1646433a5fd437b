// File names are bytes here: fopen takes them as they are.
#include "platform/file_open.h"

std::FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}
