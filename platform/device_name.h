// Names that Windows keeps for its devices: CON, PRN, AUX, NUL, COM1..COM9 and LPT1..LPT9, in any
// letter case and with any extension ("aux.fsh"). Opening such a name reaches the device (a
// serial port, the console), never a file, wherever the folder. Other systems keep none.
#pragma once

#include <string>

/** Whether fileName (a name without its folder) names one of the system's devices. */
bool isDeviceName(const std::string& fileName);
