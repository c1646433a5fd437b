// Devices live in /dev here; a file's name never reaches one by itself.
#include "platform/device_name.h"

bool isDeviceName(const std::string&) { return false; }
