// fopen with a UTF-8 name: the wide C-library call.
#include "platform/file_open.h"
#include "platform/win32/win32_text.h"

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(wideText(path).c_str(), wideText(mode).c_str());
}
