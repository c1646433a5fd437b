// The command line of vestrix-convert.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool sixtyFourColors = false;
    std::string resourcesFolder;  // empty: beside the executable
    std::string previewsFolder;   // empty: no previews
    std::string outputFile;       // -o, one input only
    std::string outputFolder;     // -d
    std::vector<std::string> inputs;
    bool help = false;
    bool version = false;

    /** The parsed arguments, or an error message for the user. */
    static CommandLine parse(const std::vector<std::string>& arguments, std::string& error);
    static std::string usage();
};
