// The system's own wording of the reasons a write fails, as the converter passes them on.
#pragma once

#include <string>

/** A file to be read does not exist. */
std::string missingFileReason();
/** A file is to be written into a folder that does not exist. */
std::string missingFolderReason();
