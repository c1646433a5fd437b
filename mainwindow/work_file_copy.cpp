// Saving a jersey. The work file is small (one FIFA 2000 jersey); it is read whole and written
// through the rules every output follows, so no name is ever left holding part of a jersey.
#include "work_file_copy.h"

#include "file_access_error.h"
#include "regular_file.h"
#include "write_target.h"

namespace WorkFileCopy {

void copyFile(const std::string& source, const WriteTarget& target) {
    RegularFile work;
    try {
        work = readRegularFile(source, kMaxWorkFileBytes);
    } catch (const FileAccessError& error) {
        throw WorkFileReadError(error.what());
    }
    try {
        target.write(work.bytes, kPieceBytes);
    } catch (const FileAccessError& error) {
        throw SaveError(error.what());
    }
}

}  // namespace WorkFileCopy
