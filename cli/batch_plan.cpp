// Planning a run: which kits, which outputs, and whether any output would destroy a file.
#include "batch_plan.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <system_error>

#include "file_identity.h"
#include "whole_file.h"

namespace fs = std::filesystem;

namespace {

bool isJerseyFileName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".fsh";
}

/** Every *.fsh below folder, relative to it, in name order so runs are repeatable. */
std::vector<fs::path> kitsBelow(const fs::path& folder, std::string& error) {
    std::vector<fs::path> kits;
    std::error_code code;
    fs::recursive_directory_iterator it(folder, code), end;
    for (; !code && it != end; it.increment(code)) {
        if (it->is_regular_file(code) && isJerseyFileName(it->path())) {
            kits.push_back(it->path().lexically_relative(folder));
        }
    }
    if (code) error = "Cannot read folder " + folder.string() + ": " + code.message();
    std::sort(kits.begin(), kits.end());
    return kits;
}

KitJob jobFor(const CommandLine& line, const fs::path& input, const fs::path& relative) {
    KitJob job;
    job.input = input.string();
    const fs::path name = fs::path(relative.stem()).concat(".fsh");
    job.output = line.outputFile.empty()
                     ? (fs::path(line.outputFolder) / relative.parent_path() / name).string()
                     : line.outputFile;
    if (!line.previewsFolder.empty())
        job.previewsFolder = (fs::path(line.previewsFolder) / relative.parent_path()).string();
    job.previewName = relative.stem().string();
    return job;
}

}  // namespace

BatchPlan BatchPlan::make(const CommandLine& line, std::string& error) {
    BatchPlan plan;
    error.clear();
    for (const std::string& input : line.inputs) {
        std::error_code code;
        if (!fs::is_directory(input, code)) {
            plan.m_jobs.push_back(jobFor(line, input, fs::path(input).filename()));
            continue;
        }
        if (!line.outputFile.empty()) {
            error = input + " is a folder; -o takes one kit, use -d OUTDIR for folders";
            return plan;
        }
        const std::vector<fs::path> kits = kitsBelow(input, error);
        if (!error.empty()) return plan;
        if (kits.empty()) plan.m_notes.push_back(input + ": no *.fsh files inside");
        for (const fs::path& kit : kits)
            plan.m_jobs.push_back(jobFor(line, fs::path(input) / kit, kit));
    }
    if (plan.m_jobs.empty()) error = "No FIFA 99 jersey file found";
    return plan;
}

std::vector<fs::path> BatchPlan::previewFiles(const KitJob& job) {
    std::vector<fs::path> files;
    if (job.previewsFolder.empty()) return files;
    for (int i = 0; i < 8; ++i) {
        files.push_back(fs::path(job.previewsFolder) /
                        (job.previewName + "-preview-" + std::to_string(i) + ".png"));
    }
    return files;
}

std::string BatchPlan::findClash(const std::vector<fs::path>& resourceFiles,
                                 const std::vector<fs::path>& programFiles) const {
    FileIdentity kept;
    for (const KitJob& job : m_jobs) kept.add(job.input, job.input + ", which this run reads");
    for (const fs::path& resource : resourceFiles)
        kept.add(resource, resource.string() + ", which this run reads");
    for (const fs::path& own : programFiles)
        kept.add(own, own.string() + ", one of the program's own files");

    FileIdentity written;
    auto check = [&](const fs::path& output, const KitJob& job) -> std::string {
        if (const auto input = kept.sameAs(output)) {
            return "Writing " + output.string() + " would replace " + *input +
                   "; choose another output";
        }
        if (const auto other = written.sameAs(output)) {
            return *other + " and " + job.input + " would both be written to " + output.string();
        }
        std::error_code code;
        if (fs::is_directory(output, code))
            return "Cannot write " + output.string() + ": it is a folder";
        written.add(output, job.input);
        return {};
    };
    for (const KitJob& job : m_jobs) {
        std::string clash = check(job.output, job);
        for (const fs::path& preview : previewFiles(job)) {
            if (clash.empty()) clash = check(preview, job);
        }
        if (!clash.empty()) return clash;
    }
    return {};
}

std::string BatchPlan::prepareFolders() const {
    std::set<fs::path> folders;
    for (const KitJob& job : m_jobs) {
        const fs::path folder = fs::path(job.output).parent_path();
        folders.insert(folder.empty() ? fs::path(".") : folder);
        if (!job.previewsFolder.empty()) folders.insert(job.previewsFolder);
    }
    for (const fs::path& folder : folders) {
        std::error_code code;
        fs::create_directories(folder, code);
        if (code) return "Cannot create folder " + folder.string() + ": " + code.message();
        if (std::string problem = checkFolderTakesFiles(folder); !problem.empty()) return problem;
    }
    return {};
}
