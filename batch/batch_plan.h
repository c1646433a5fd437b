// What one batch will do, worked out before anything is written: each kit, where
// its jersey and previews go, and the checks that every output may be written (the write rule)
// and replaces no file the run reads, none of the program's own files and no other output.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "batch/batch_request.h"
#include "batch/folder_maker.h"
#include "platform/file_key.h"
#include "platform/output_folder.h"
#include "platform/program_locations.h"
#include "platform/write_target.h"

struct KitJob {
    std::string input;
    WriteTarget jersey;
    std::vector<WriteTarget> previews;  // none, or the eight PNG files 0..7
    /** The input's identity, when some output existed already and it had to be looked up. */
    std::optional<FileKey> inputKey;
};

/** A file the run reads besides the kits (the template, the palette file), by identity. */
struct ReadFile {
    FileKey key;
    std::string path;
};

class BatchPlan {
public:
    /** make's error when the inputs hold no kit at all. */
    static constexpr const char* kNoKits = "No FIFA 99 jersey file found";

    /**
     * Finds the kits, creates and opens the output folders and examines every output. error gets
     * a message for the user (for vestrix-convert a usage error, exit status 2); nothing is left
     * created then.
     */
    static BatchPlan make(const BatchRequest& request, const std::vector<ReadFile>& readFiles,
                          const ProgramLocations& program, std::string& error);

    const std::vector<KitJob>& jobs() const { return m_jobs; }
    /** Entries of input folders passed over on purpose, each named. */
    const std::vector<std::string>& notes() const { return m_notes; }
    /** Folders among the inputs that could not be read, each with the reason: failures. */
    const std::vector<std::string>& failures() const { return m_failures; }
    /** Kits that fail before the run, each named with the reason: their names are devices. */
    const std::vector<std::string>& refusedKits() const { return m_refusedKits; }

private:
    std::string planOutputs(const BatchRequest& request,
                            const std::vector<std::pair<std::string, std::string>>& kits,
                            FolderMaker& maker);
    std::string findClash(const std::vector<ReadFile>& readFiles, const ProgramLocations& program);

    // Open for the whole run: the targets are written relative to them. A deque, so that the
    // targets' folders stay where they are while more are opened.
    std::deque<OutputFolder> m_folders;
    std::vector<KitJob> m_jobs;
    // Per job: the folders in m_folders that its jersey and previews go to, and their names.
    struct Placement {
        std::size_t jerseyFolder = 0;
        std::string jerseyName;
        std::size_t previewFolder = 0;
        std::string previewStem;  // the kit's name without .fsh: "home" of "home-preview-0.png"
    };
    std::vector<Placement> m_placements;
    std::vector<std::string> m_notes;
    std::vector<std::string> m_failures;
    std::vector<std::string> m_refusedKits;
};
