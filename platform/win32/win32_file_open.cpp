// fopen with a UTF-8 name: the wide C-library call.
#include "file_open.h"
#include "win32_text.h"

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(wideText(path).c_str(), wideText(mode).c_str());
}
