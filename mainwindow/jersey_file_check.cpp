// The FIFA 99 jersey file check.
#include "jersey_file_check.h"

#include "file_access_error.h"
#include "regular_file.h"
#include "source_archive.h"

bool isFifa99JerseyFile(const std::string& path) {
    try {
        return SourceArchive::isFifa99JerseyHeader(
            readRegularFileStart(path, SourceArchive::kCheckedHeaderBytes).bytes);
    } catch (const FileAccessError& error) {
        throw JerseyFileError(error.what());
    }
}
