// Parsing vestrix-convert's arguments.
#include "command_line.h"

CommandLine CommandLine::parse(const std::vector<std::string>& arguments, std::string& error) {
    CommandLine line;
    error.clear();
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= arguments.size()) {
                error = arg + " needs a value";
                return;
            }
            into = arguments[++i];
        };
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            line.inputs.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--64-color") {
            line.sixtyFourColors = true;
        } else if (arg == "--resources") {
            value(line.resourcesFolder);
        } else if (arg == "--previews") {
            value(line.previewsFolder);
        } else if (arg == "-o") {
            value(line.outputFile);
        } else if (arg == "-d") {
            value(line.outputFolder);
        } else if (arg == "-h" || arg == "--help") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else {
            error = "Unknown option " + arg;
        }
        if (!error.empty()) return line;
    }
    if (line.help || line.version) return line;
    if (line.inputs.empty()) {
        error = "No FIFA 99 jersey file given";
    } else if (line.outputFile.empty() == line.outputFolder.empty()) {
        error = "Give either -o OUT.fsh (one input) or -d OUTDIR";
    } else if (!line.outputFile.empty() && line.inputs.size() > 1) {
        error = "-o takes one input; use -d OUTDIR for several";
    }
    return line;
}

std::string CommandLine::usage() {
    return "Usage: vestrix-convert [--64-color] [--resources DIR] [--previews DIR]\n"
           "                       (-o OUT.fsh | -d OUTDIR) FIFA99.fsh...\n"
           "\n"
           "Converts FIFA 99 jersey files into FIFA 2000 jersey files.\n"
           "\n"
           "  -o OUT.fsh       write the one converted jersey to OUT.fsh\n"
           "  -d OUTDIR        write each jersey to OUTDIR/NAME.fsh (NAME: the input's name)\n"
           "  --64-color       match the jersey onto the palette file's first 192 colours first\n"
           "                   and add only the colours that are not close to any of them\n"
           "  --resources DIR  folder with pk001.fsh and fifa2k.pal (default: beside the program)\n"
           "  --previews DIR   also write the eight preview pictures of each jersey as PNG files:\n"
           "                   NAME-preview-0.png .. NAME-preview-7.png (0/1 front before/after,\n"
           "                   4/5 back, 6/7 sleeve, 3 the small pictures, 2 stays empty)\n"
           "  --help, --version\n"
           "\n"
           "Exit status: 0 when every jersey was converted, 1 when some were not, 2 on a usage\n"
           "error or missing program files.\n";
}
