// Opening a file for binary access, created when absent.
#include "platform/common/binary_access.h"

#include "platform/file_open.h"

FileHandle openForBinaryAccess(const std::string& path) {
    // "a+b" reads anywhere and never truncates; it creates the file when it is absent, which is
    // why a failed start leaves an empty pk001.fsh behind.
    FileHandle file(openFile(path, "a+b"));
    if (!file) file.reset(openFile(path, "rb"));
    return file;
}
