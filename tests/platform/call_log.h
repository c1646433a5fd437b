// What the scripted platform fakes were asked to do, in order, one line per call.
#pragma once

#include <string>
#include <vector>

using CallLog = std::vector<std::string>;
