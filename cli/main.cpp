// vestrix-convert: FIFA 99 jerseys to FIFA 2000 jerseys from the command line, for whole
// collections at once. Everything that can go wrong before the first kit (arguments, program
// files, outputs that would replace a file the run reads, folders that cannot take files) is
// found first, with nothing written: exit status 2.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "batch_converter.h"
#include "batch_plan.h"
#include "command_line.h"
#include "conversion_error.h"
#include "parallel_batch.h"
#include "terminal_progress.h"

namespace {

int usageError(const std::string& message) {
    const std::string usage = CommandLine::usage();
    std::fprintf(stderr, "vestrix-convert: %s\n%s\nRun vestrix-convert --help for more.\n",
                 message.c_str(), usage.substr(0, usage.find("\n\n")).c_str());
    return 2;
}

/**
 * The window's work file and palette: beside this program, or in the user's own program folder
 * when the program is installed where its user cannot write. A converted kit written onto one of
 * them would take away the window's palette or its last load.
 */
std::vector<std::filesystem::path> windowFiles() {
    std::vector<std::filesystem::path> folders;
    std::error_code noExecutable;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", noExecutable);
    if (!noExecutable) folders.push_back(executable.parent_path());
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        folders.push_back(std::filesystem::path(data) / "vestrix");
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folders.push_back(std::filesystem::path(home) / ".local/share/vestrix");
    }
    std::vector<std::filesystem::path> files;
    for (const auto& folder : folders) {
        files.push_back(folder / "pk001.fsh");
        files.push_back(folder / "fifa2k.pal");
    }
    return files;
}

int setupError(const std::string& message) {
    std::fprintf(stderr, "vestrix-convert: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const CommandLine line =
        CommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!error.empty()) return usageError(error);
    if (line.help) {
        std::fputs(CommandLine::usage().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("vestrix-convert %s\n", VESTRIX_VERSION);
        return 0;
    }

    const BatchPlan plan = BatchPlan::make(line, error);
    if (!error.empty()) return usageError(error);
    std::vector<std::filesystem::path> resourceFiles;
    if (!line.resourcesFolder.empty()) {
        resourceFiles = {std::filesystem::path(line.resourcesFolder) / "pk001.fsh",
                         std::filesystem::path(line.resourcesFolder) / "fifa2k.pal"};
    }
    if (const std::string clash = plan.findClash(resourceFiles, windowFiles()); !clash.empty())
        return usageError(clash);

    std::optional<BatchConverter> converter;
    try {
        converter.emplace(line.resourcesFolder.empty()
                              ? BatchConverter::fromEmbedded(line.sixtyFourColors, line.force)
                              : BatchConverter::fromFolder(line.resourcesFolder,
                                                           line.sixtyFourColors, line.force));
    } catch (const ConversionError& e) {
        return setupError(std::string(e.what()) + " (looked in " + line.resourcesFolder + ")");
    }
    if (const std::string problem = plan.prepareFolders(); !problem.empty())
        return setupError(problem);

    if (!line.quiet) {
        for (const std::string& note : plan.notes()) std::fprintf(stderr, "%s\n", note.c_str());
    }
    const auto& jobs = plan.jobs();
    // One converter per thread: each keeps its own previews; the template and palette are the
    // ones read above.
    const int threads = static_cast<int>(std::min<std::size_t>(
        jobs.size(), line.threads > 0 ? static_cast<std::size_t>(line.threads)
                                      : std::max(1u, std::thread::hardware_concurrency())));
    std::vector<BatchConverter> converters(static_cast<std::size_t>(std::max(threads, 1)),
                                           *converter);
    TerminalProgress progress(stderr, static_cast<int>(jobs.size()), !line.quiet);
    progress.show(0, std::filesystem::path(jobs.front().input).filename().string());
    int failures = 0;
    ParallelBatch::run(
        jobs.size(), threads,
        [&](int worker, std::size_t job) {
            return converters[static_cast<std::size_t>(worker)].convert(jobs[job]);
        },
        [&](std::size_t job, const KitResult& result) {
            const std::string& name = jobs[job].input;
            if (!result.error.empty() || (!line.quiet && !result.warnings.empty()))
                progress.clear();
            if (!line.quiet) {
                for (const std::string& warning : result.warnings) {
                    std::fprintf(stderr, "%s: warning: %s\n", name.c_str(), warning.c_str());
                }
            }
            if (!result.error.empty()) {
                std::fprintf(stderr, "%s: %s\n", name.c_str(), result.error.c_str());
                ++failures;
            }
            if (job + 1 < jobs.size())
                progress.show(static_cast<int>(job + 1),
                              std::filesystem::path(jobs[job + 1].input).filename().string());
        });
    progress.clear();
    if (!line.quiet && (jobs.size() > 1 || failures == 0)) {
        std::fprintf(stderr, "%zu of %zu jerseys converted\n",
                     jobs.size() - static_cast<std::size_t>(failures), jobs.size());
    }
    return failures == 0 ? 0 : 1;
}
