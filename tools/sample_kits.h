// The FIFA 99 jerseys we ship as samples, each a different kind of kit and archive.
#pragma once

#include <vector>

#include "tools/kit_design.h"

namespace SampleKits {

std::vector<KitDesign> all();

}  // namespace SampleKits
