// Opening a file for binary access, created when absent.
#include "binary_access.h"

FileHandle openForBinaryAccess(const std::string& path) {
    // "a+b" reads anywhere and never truncates; it creates the file when it is absent, which is
    // why a failed start leaves an empty pk001.fsh behind.
    FileHandle file(std::fopen(path.c_str(), "a+b"));
    if (!file) file.reset(std::fopen(path.c_str(), "rb"));
    return file;
}
