// The command line of vestrix-convert.
#pragma once

#include <string>
#include <vector>

#include "batch/batch_request.h"

/** The kits and outputs (inputs, -o, -d, --previews) are the batch's request as they stand. */
struct CommandLine : BatchRequest {
    bool sixtyFourColors = false;
    bool force = false;           // convert damaged kits anyway
    bool quiet = false;           // no warnings, progress or summary; errors still shown
    int threads = 0;              // kits converted at once; 0: one per processor core
    std::string resourcesFolder;  // empty: the template and palette built into the program
    bool help = false;
    bool version = false;

    /** The parsed arguments (without the program name), or an error message for the user. */
    static CommandLine parse(const std::vector<std::string>& arguments, std::string& error);
    /** The whole --help text; its first paragraph is the short usage shown after a mistake. */
    static std::string usage();
};
