// Planning a run: which kits, which outputs, and whether any output would destroy a file.
#include "batch/batch_plan.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "batch/folder_maker.h"
#include "batch/kit_search.h"
#include "platform/common/lower_case.h"
#include "platform/common/path_text.h"
#include "platform/device_name.h"
#include "platform/file_access_error.h"
#include "platform/program_own_files.h"

namespace fs = std::filesystem;

namespace {

/** A kit to convert: its path, and where it lies below the folder given ("club/home.fsh"). */
using Kit = std::pair<std::string, std::string>;

/**
 * What tells outputs apart: an existing file by its identity; a new one by its open folder and its
 * name. Names that differ only in case are one file on Windows and on the FAT file systems of
 * memory sticks, so they count as one everywhere.
 */
struct OutputIdentity {
    FileKey key;
    std::string name;  // empty for an existing file
    auto operator<=>(const OutputIdentity&) const = default;
};

/** "home-preview-3.png" */
std::string previewName(const std::string& stem, int index) {
    return stem + "-preview-" + std::to_string(index) + ".png";
}

}  // namespace

BatchPlan BatchPlan::make(const BatchRequest& request, const std::vector<ReadFile>& readFiles,
                          const ProgramLocations& program, std::string& error) {
    BatchPlan plan;
    error.clear();
    std::vector<Kit> kits;
    for (const std::string& input : request.inputs) {
        std::error_code notAFolder;
        if (!fs::is_directory(toPath(input), notAFolder)) {
            kits.emplace_back(input, fileNameOf(input));
            continue;
        }
        if (!request.outputFile.empty()) {
            error = input + " is a folder; -o takes one kit, use -d OUTDIR for folders";
            return plan;
        }
        KitSearch search = KitSearch::below(input);
        if (search.kits.empty() && search.failures.empty())
            plan.m_notes.push_back(input + ": no *.fsh files inside");
        for (FoundKit& kit : search.kits) kits.emplace_back(std::move(kit.path), kit.relative);
        plan.m_notes.insert(plan.m_notes.end(), search.notes.begin(), search.notes.end());
        plan.m_failures.insert(plan.m_failures.end(), search.failures.begin(),
                               search.failures.end());
    }
    // A kit called aux.fsh or con.fsh cannot even be opened on Windows: it fails alone, and the
    // others of its folder are converted.
    std::erase_if(kits, [&plan](const Kit& kit) {
        if (!isDeviceName(fileNameOf(kit.first))) return false;
        plan.m_refusedKits.push_back(kit.first + ": Cannot read " + kit.first +
                                     ": its name is one Windows keeps for a device");
        return true;
    });
    if (kits.empty()) {
        if (plan.m_failures.empty() && plan.m_refusedKits.empty()) error = kNoKits;
        return plan;
    }

    FolderMaker maker;
    error = plan.planOutputs(request, kits, maker);
    if (error.empty()) error = plan.findClash(readFiles, program);
    if (!error.empty()) {
        plan.m_jobs.clear();
        plan.m_placements.clear();
        plan.m_folders.clear();
        maker.undo();
    }
    return plan;
}

std::string BatchPlan::planOutputs(const BatchRequest& request, const std::vector<Kit>& kits,
                                   FolderMaker& maker) {
    if (!request.outputFile.empty()) {
        const std::string name = fileNameOf(request.outputFile);
        if (name.empty() || name == "." || name == "..")
            return "Cannot write " + request.outputFile +
                   ": it names a folder; -o takes a file name";
    }
    // Every folder is made (or found) and opened once, in the order first needed.
    std::map<std::string, std::size_t> folderIndex;
    std::vector<std::string> folderPaths;
    auto folderOf = [&](const fs::path& folder) {
        const std::string path = folder.empty() ? "." : pathText(folder);
        const auto [at, isNew] = folderIndex.emplace(path, folderPaths.size());
        if (isNew) folderPaths.push_back(path);
        return at->second;
    };
    // The kits of one input folder share their output folders: each is worked out once, by the
    // way down to it ("club" for "club/home.fsh").
    struct Folder {
        std::size_t index;
        std::string shownPrefix;  // as the user would write it, before a file name: "out/club/"
    };
    std::map<std::string, Folder> jerseyFolders, previewFolders;
    auto folderBelow = [&](std::map<std::string, Folder>& known, const std::string& base,
                           const std::string& way) -> const Folder& {
        auto at = known.find(way);
        if (at == known.end()) {
            const fs::path folder = way.empty() ? toPath(base) : toPath(base) / toPath(way);
            at = known.emplace(way, Folder{folderOf(folder), pathText(folder / "")}).first;
        }
        return at->second;
    };
    const std::size_t outputFileFolder =
        request.outputFile.empty() ? 0 : folderOf(toPath(request.outputFile).parent_path());
    m_placements.reserve(kits.size());
    std::vector<std::string> shownJerseys;
    shownJerseys.reserve(kits.size());
    std::vector<const std::string*> shownPreviewFolders;
    for (const auto& [input, relative] : kits) {
        const std::size_t slash = relative.rfind('/');
        const std::string way = slash == std::string::npos ? "" : relative.substr(0, slash);
        const std::string stem = pathText(toPath(relative.substr(slash + 1)).stem());
        Placement placement;
        if (!request.outputFile.empty()) {
            placement.jerseyFolder = outputFileFolder;
            placement.jerseyName = fileNameOf(request.outputFile);
            shownJerseys.push_back(request.outputFile);
        } else {
            const Folder& folder = folderBelow(jerseyFolders, request.outputFolder, way);
            placement.jerseyFolder = folder.index;
            placement.jerseyName = stem + ".fsh";
            shownJerseys.push_back(folder.shownPrefix + placement.jerseyName);
        }
        if (!request.previewsFolder.empty()) {
            const Folder& folder = folderBelow(previewFolders, request.previewsFolder, way);
            placement.previewFolder = folder.index;
            placement.previewStem = stem;
            shownPreviewFolders.push_back(&folder.shownPrefix);
        }
        m_placements.push_back(std::move(placement));
    }

    try {
        for (const std::string& path : folderPaths) {
            if (std::string problem = maker.make(path); !problem.empty()) return problem;
            m_folders.emplace_back(path).checkTakesFiles();
        }
        m_jobs.reserve(kits.size());
        for (std::size_t kit = 0; kit < kits.size(); ++kit) {
            const Placement& placement = m_placements[kit];
            KitJob job{
                kits[kit].first,
                m_folders[placement.jerseyFolder].examine(placement.jerseyName, shownJerseys[kit]),
                {},
                std::nullopt};
            if (!request.previewsFolder.empty()) {
                for (int i = 0; i < 8; ++i) {
                    const std::string name = previewName(placement.previewStem, i);
                    job.previews.push_back(m_folders[placement.previewFolder].examine(
                        name, *shownPreviewFolders[kit] + name));
                }
            }
            m_jobs.push_back(std::move(job));
        }
    } catch (const FileAccessError& refused) {
        return refused.what();
    }
    return {};
}

std::string BatchPlan::findClash(const std::vector<ReadFile>& readFiles,
                                 const ProgramLocations& program) {
    const bool anyExists = std::any_of(m_jobs.begin(), m_jobs.end(), [](const KitJob& job) {
        return job.jersey.exists() ||
               std::any_of(job.previews.begin(), job.previews.end(),
                           [](const WriteTarget& preview) { return preview.exists(); });
    });
    // Only a file that exists can be one the run reads or one of the program's: so the inputs'
    // identities and the program folders' files are looked up only when some output exists.
    ProgramOwnFiles own;
    std::map<FileKey, std::string> kept;
    if (anyExists) {
        own = ProgramOwnFiles::of(program);
        for (KitJob& job : m_jobs) {
            job.inputKey = fileKey(job.input);
            if (job.inputKey) kept.emplace(*job.inputKey, job.input + ", which this run reads");
        }
        for (const ReadFile& file : readFiles)
            kept.emplace(file.key, file.path + ", which this run reads");
    }
    std::map<FileKey, std::string> programFolders;
    for (const std::string& folder : program.folders) {
        if (const auto key = fileKey(folder)) programFolders.emplace(*key, folder);
    }

    std::map<OutputIdentity, std::size_t> written;  // -> the job whose kit is written there
    auto check = [&](const WriteTarget& target, std::size_t folder, const std::string& name,
                     std::size_t job) -> std::string {
        const std::string& input = m_jobs[job].input;
        const FileKey& folderKey = m_folders[folder].key();
        std::optional<std::string> replaced;
        if (const auto programFolder = programFolders.find(folderKey);
            programFolder != programFolders.end() && ProgramOwnFiles::isOwnName(name)) {
            replaced = pathText(toPath(programFolder->second) / toPath(name)) +
                       ", one of the program's own files";
        } else if (target.exists()) {
            if (const auto file = own.find(*target.key()))
                replaced = *file + ", one of the program's own files";
            else if (const auto read = kept.find(*target.key()); read != kept.end())
                replaced = read->second;
        }
        if (replaced)
            return "Writing " + target.path() + " would replace " + *replaced +
                   "; choose another output";
        const OutputIdentity identity = target.exists()
                                            ? OutputIdentity{*target.key(), {}}
                                            : OutputIdentity{folderKey, lowerCase(name)};
        const auto [other, isNew] = written.emplace(identity, job);
        if (!isNew)
            return m_jobs[other->second].input + " and " + input + " would both be written to " +
                   target.path();
        return {};
    };
    for (std::size_t job = 0; job < m_jobs.size(); ++job) {
        const KitJob& kit = m_jobs[job];
        const Placement& placement = m_placements[job];
        std::string clash = check(kit.jersey, placement.jerseyFolder, placement.jerseyName, job);
        for (std::size_t i = 0; i < kit.previews.size() && clash.empty(); ++i) {
            clash = check(kit.previews[i], placement.previewFolder,
                          previewName(placement.previewStem, static_cast<int>(i)), job);
        }
        if (!clash.empty()) return clash;
    }
    return {};
}
