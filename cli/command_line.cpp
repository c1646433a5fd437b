// Parsing vestrix-convert's arguments. CLI11 takes care of the usual forms: --name=value,
// -oFILE, "--" before inputs that start with a dash.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>

CommandLine CommandLine::parse(const std::vector<std::string>& arguments, std::string& error) {
    CommandLine line;
    error.clear();
    CLI::App app("vestrix-convert", "vestrix-convert");
    app.set_help_flag();  // the program prints its own help text
    app.add_flag("-h,--help", line.help);
    app.add_flag("--version", line.version);
    app.add_flag("--64-color", line.sixtyFourColors);
    app.add_flag("--force", line.force);
    app.add_flag("-q,--quiet", line.quiet);
    const auto once = CLI::MultiOptionPolicy::Throw;
    app.add_option("-o,--output", line.outputFile)->multi_option_policy(once);
    app.add_option("-d,--output-dir", line.outputFolder)->multi_option_policy(once);
    app.add_option("--resources", line.resourcesFolder)->multi_option_policy(once);
    app.add_option("--previews", line.previewsFolder)->multi_option_policy(once);
    app.add_option("-j,--jobs", line.threads)->multi_option_policy(once)->check(CLI::Range(1, 256));
    app.add_option("inputs", line.inputs);

    std::vector<std::string> reversed(arguments.rbegin(),
                                      arguments.rend());  // CLI11 takes them last first
    try {
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& e) {
        // A value option given twice: say so plainly instead of counting arguments.
        const std::string what = e.what();
        error = what.find("At Most 1") != std::string::npos
                    ? what.substr(0, what.find(':')) + " given more than once"
                    : what;
        return line;
    } catch (const CLI::ParseError& e) {
        error = e.what();
        return line;
    }
    if (line.help || line.version) return line;
    if (line.inputs.empty()) {
        error = "No FIFA 99 jersey file given";
    } else if (line.outputFile.empty() == line.outputFolder.empty()) {
        error = "Give either -o OUT.fsh (one kit) or -d OUTDIR";
    } else if (!line.outputFile.empty() && line.inputs.size() > 1) {
        error = "-o takes one kit; use -d OUTDIR for several";
    }
    return line;
}

std::string CommandLine::usage() {
    return "Usage: vestrix-convert [OPTIONS] (-o OUT.fsh | -d OUTDIR) FIFA99.fsh|FOLDER...\n"
           "\n"
           "Converts FIFA 99 jersey files into FIFA 2000 jersey files. A folder given as an\n"
           "input converts every *.fsh file inside it and its sub-folders.\n"
           "\n"
           "  -o, --output OUT.fsh    write the one converted jersey to OUT.fsh\n"
           "  -d, --output-dir OUTDIR write each jersey to OUTDIR/NAME.fsh (NAME: the input's\n"
           "                          name; kits found in a folder keep its sub-folders)\n"
           "      --64-color          match the jersey onto the palette file's first 192 colours\n"
           "                          first and add only the colours that are not close to any\n"
           "      --resources DIR     read the template pk001.fsh and the palette fifa2k.pal\n"
           "                          from DIR (default: the shipped ones, built in)\n"
           "      --previews DIR      also write the eight preview pictures of each jersey as\n"
           "                          DIR/NAME-preview-0.png .. NAME-preview-7.png (0/1 front\n"
           "                          before/after, 4/5 back, 6/7 sleeve, 3 the small pictures,\n"
           "                          2 stays empty)\n"
           "      --force             convert damaged kits too; the missing bytes read as 0\n"
           "  -j, --jobs N            convert N kits at once (default: one per processor core)\n"
           "  -q, --quiet             no warnings, progress bar or summary; errors still show\n"
           "  -h, --help              show this text\n"
           "      --version           show the version\n"
           "\n"
           "An output must be new or an ordinary file that is not write-protected. Nothing is\n"
           "written over a file the run reads or over the program's own files, and a jersey\n"
           "file appears only once it is complete.\n"
           "\n"
           "Exit status: 0 when every jersey was converted, 1 when some were not (damaged,\n"
           "unreadable or not a FIFA 99 jersey), their previews could not be written or a\n"
           "folder of kits could not be read, 2 on a usage error, unusable program files, an\n"
           "output that may not be written, or an output folder that cannot be created or\n"
           "written (nothing is written then).\n";
}
