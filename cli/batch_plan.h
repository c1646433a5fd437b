// What one run of vestrix-convert will do, worked out before anything is written: each kit, where
// its jersey and previews go, and the check that no output replaces a file the run reads.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "command_line.h"

/** Paths are kept as plain strings: a batch of ten thousand kits then costs a few hundred KB. */
struct KitJob {
    std::string input;
    std::string output;
    std::string previewsFolder;  // empty: no previews
    std::string previewName;     // NAME of NAME-preview-N.png
};

class BatchPlan {
public:
    /** Expands folders into their kits; error gets a message for the user (a usage error). */
    static BatchPlan make(const CommandLine& line, std::string& error);

    /** The preview files of a job, 0 to 7. */
    static std::vector<std::filesystem::path> previewFiles(const KitJob& job);

    /**
     * Empty when no output of the run is one of its inputs, a resource it reads, one of the
     * program's own files (the window's work file and palette beside it), an existing folder, or
     * another output; otherwise a message naming both files.
     */
    std::string findClash(const std::vector<std::filesystem::path>& resourceFiles,
                          const std::vector<std::filesystem::path>& programFiles) const;

    /** Creates every output folder and checks that it takes new files; a message on failure. */
    std::string prepareFolders() const;

    const std::vector<KitJob>& jobs() const { return m_jobs; }
    /** Messages about inputs that turned out empty (folders without any *.fsh). */
    const std::vector<std::string>& notes() const { return m_notes; }

private:
    std::vector<KitJob> m_jobs;
    std::vector<std::string> m_notes;
};
