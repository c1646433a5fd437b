// What a batch is asked to convert and where its outputs go: the kits and folders of kits, and
// either one output file or an output folder, with or without PNG previews.
#pragma once

#include <string>
#include <vector>

struct BatchRequest {
    std::vector<std::string> inputs;  // kits, and folders whose kits are all converted
    std::string outputFile;           // one kit only; empty: outputFolder
    std::string outputFolder;         // empty with no outputFile: the current folder
    std::string previewsFolder;       // empty: no previews
};
