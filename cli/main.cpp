// vestrix-convert: FIFA 99 jerseys to FIFA 2000 jerseys from the command line, for whole
// collections at once. Everything that can go wrong before the first kit (arguments, program
// files, outputs that may not be written or would replace a file the run reads, folders that
// cannot take files) is found first, with nothing written: exit status 2.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch_converter.h"
#include "batch/batch_plan.h"
#include "batch/parallel_batch.h"
#include "cli/command_line.h"
#include "cli/interruption.h"
#include "cli/printable_text.h"
#include "cli/terminal_console.h"
#include "cli/terminal_progress.h"
#include "conversion/conversion_error.h"
#include "platform/common/path_text.h"
#include "platform/file_access_error.h"
#include "platform/program_locations.h"

namespace {

/** Every message names files, and a file name may hold terminal control sequences. */
void printLine(const std::string& text) { writeText(stderr, printableText(text) + "\n"); }

int usageError(const std::string& message) {
    const std::string usage = CommandLine::usage();
    printLine("vestrix-convert: " + message);
    writeText(stderr,
              usage.substr(0, usage.find("\n\n")) + "\nRun vestrix-convert --help for more.\n");
    return 2;
}

int setupError(const std::string& message) {
    printLine("vestrix-convert: " + message);
    return 2;
}

/** --help and --version: a text that did not reach its reader is no success. */
int printText(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    return setupError(std::string("Cannot write to standard output: ") + std::strerror(errno));
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const CommandLine line = CommandLine::parse(programArguments(argc, argv), error);
    if (!error.empty()) return usageError(error);
    if (line.help) return printText(CommandLine::usage());
    if (line.version) return printText(std::string("vestrix-convert ") + VESTRIX_VERSION + "\n");

    std::vector<ReadFile> readFiles;
    std::optional<BatchConverter> converter;
    const std::string& resources = line.resourcesFolder;
    try {
        converter.emplace(resources.empty()
                              ? BatchConverter::fromEmbedded(line.sixtyFourColors, line.force)
                              : BatchConverter::fromFolder(resources, line.sixtyFourColors,
                                                           line.force, &readFiles));
    } catch (const WorkFileError& e) {
        return setupError(std::string(e.what()) + " (" + pathText(toPath(resources) / "pk001.fsh") +
                          ": " + e.reason() + ")");
    } catch (const ConversionError& e) {
        return setupError(std::string(e.what()) + " (looked in " + resources + ")");
    } catch (const FileAccessError& e) {
        return setupError(e.what());
    }

    const BatchPlan plan =
        BatchPlan::make(line, readFiles, ProgramLocations::ofThisProgram(), error);
    if (!error.empty()) return usageError(error);
    if (!line.quiet) {
        for (const std::string& note : plan.notes()) printLine(note);
    }
    for (const std::string& failure : plan.failures()) printLine(failure);
    for (const std::string& refused : plan.refusedKits()) printLine(refused);
    const auto& jobs = plan.jobs();
    if (jobs.empty()) return 1;  // only folders that could not be read, or kits named as devices

    // From here on an interruption stops the batch between kits, so nothing is left half-made.
    Interruption::watch();
    // One converter per thread: each keeps its own previews; the template and palette are the
    // ones read above.
    const int threads = static_cast<int>(std::min<std::size_t>(
        jobs.size(), line.threads > 0 ? static_cast<std::size_t>(line.threads)
                                      : std::max(1u, std::thread::hardware_concurrency())));
    std::vector<BatchConverter> converters(static_cast<std::size_t>(std::max(threads, 1)),
                                           *converter);
    TerminalProgress progress(stderr, static_cast<int>(jobs.size()), !line.quiet);
    auto showProgress = [&](std::size_t done) {
        if (progress.drawn())
            progress.show(static_cast<int>(done), printableText(fileNameOf(jobs[done].input)));
    };
    showProgress(0);
    std::size_t converted = 0, failed = plan.refusedKits().size(), withoutPreviews = 0;
    const std::size_t kits = jobs.size() + plan.refusedKits().size();
    const std::size_t done = ParallelBatch::run(
        jobs.size(), threads,
        [&](int worker, std::size_t job) {
            return converters[static_cast<std::size_t>(worker)].convert(jobs[job]);
        },
        [&](std::size_t job, const KitResult& result) {
            const std::string& name = jobs[job].input;
            if (!result.error.empty() || (!line.quiet && !result.warnings.empty()))
                progress.clear();
            if (!line.quiet) {
                for (const std::string& warning : result.warnings)
                    printLine(name + ": warning: " + warning);
            }
            if (result.jerseyWritten) ++converted;
            if (!result.error.empty()) {
                printLine(name + ": " + result.error +
                          (result.refusedAsDamaged ? " (--force converts it anyway)" : ""));
                ++failed;
                if (result.jerseyWritten) ++withoutPreviews;
            }
            if (job + 1 < jobs.size()) showProgress(job + 1);
        },
        [] { return Interruption::requested(); });
    progress.clear();

    std::string summary =
        std::to_string(converted) + " of " + std::to_string(kits) + " jerseys converted";
    if (withoutPreviews > 0)
        summary += "; the previews of " + std::to_string(withoutPreviews) + " are missing";
    if (!plan.failures().empty())
        summary += "; " + std::to_string(plan.failures().size()) +
                   (plan.failures().size() == 1 ? " folder" : " folders") + " could not be read";
    if (done < jobs.size()) {
        printLine("vestrix-convert: interrupted; " + summary);
        Interruption::endAsRequested();
    }
    if (!line.quiet && (kits > 1 || failed > 0 || !plan.failures().empty()))
        writeText(stderr, summary + "\n");
    return failed == 0 && plan.failures().empty() ? 0 : 1;
}
