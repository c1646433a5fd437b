// Finding a helper program the way a shell would: the first executable of that name on PATH.
#pragma once

#include <string>

/** The full path of the first executable file called name in PATH's folders, or empty. */
std::string findProgramOnPath(const std::string& name);
