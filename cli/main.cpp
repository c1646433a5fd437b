// vestrix-convert: FIFA 99 jerseys to FIFA 2000 jerseys from the command line, for whole
// collections at once.
#include <cstdio>
#include <filesystem>
#include <set>

#include <QCoreApplication>

#include "batch_converter.h"
#include "command_line.h"
#include "conversion_error.h"
#include "terminal_progress.h"

namespace fs = std::filesystem;

namespace {

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

bool makeFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (fs::is_directory(folder)) return true;
    std::fprintf(stderr, "vestrix-convert: cannot create folder %s\n", folder.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // for the program's own folder
    std::string error;
    const CommandLine line = CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (line.help) {
        std::fputs(CommandLine::usage().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("vestrix-convert %s\n", VESTRIX_VERSION);
        return 0;
    }
    if (!error.empty()) {
        const std::string usage = CommandLine::usage();
        std::fprintf(stderr, "vestrix-convert: %s\n%s\nRun vestrix-convert --help for more.\n",
                     error.c_str(), usage.substr(0, usage.find("\n\n")).c_str());
        return 2;
    }
    if (!line.outputFolder.empty() && !makeFolder(line.outputFolder)) return 2;
    if (!line.previewsFolder.empty() && !makeFolder(line.previewsFolder)) return 2;

    const std::string resources = line.resourcesFolder.empty()
                                      ? QCoreApplication::applicationDirPath().toStdString()
                                      : line.resourcesFolder;
    std::optional<BatchConverter> converter;
    try {
        converter.emplace(resources, line.sixtyFourColors);
    } catch (const ConversionError& e) {
        std::fprintf(stderr, "vestrix-convert: %s (looked in %s)\n", e.what(), resources.c_str());
        return 2;
    }

    TerminalProgress progress(stderr, static_cast<int>(line.inputs.size()));
    std::set<fs::path> outputsWritten;
    int failures = 0;
    auto fail = [&](const std::string& input, const std::string& message) {
        progress.clear();
        std::fprintf(stderr, "%s: %s\n", input.c_str(), message.c_str());
        ++failures;
    };
    for (std::size_t i = 0; i < line.inputs.size(); ++i) {
        const std::string& input = line.inputs[i];
        progress.show(static_cast<int>(i), input);
        const fs::path output = line.outputFile.empty()
                                    ? fs::path(line.outputFolder) / fs::path(input).stem().concat(".fsh")
                                    : fs::path(line.outputFile);
        if (sameFile(output, input)) {
            fail(input, "the output would replace the input itself; choose another -o or -d");
            continue;
        }
        if (!outputsWritten.insert(fs::absolute(output).lexically_normal()).second) {
            fail(input, "another input of the same name was already written to " + output.string());
            continue;
        }
        const std::string message = converter->convert(input, output.string(), line.previewsFolder);
        if (!message.empty()) fail(input, message);
    }
    progress.clear();
    const int converted = static_cast<int>(line.inputs.size()) - failures;
    if (line.inputs.size() > 1 || failures == 0) {
        std::fprintf(stderr, "%d of %zu jerseys converted\n", converted, line.inputs.size());
    }
    return failures == 0 ? 0 : 1;
}
