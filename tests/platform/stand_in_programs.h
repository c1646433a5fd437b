// Stand-ins for the desktop's helper programs: shell scripts in a fresh folder that is put on
// PATH for as long as the object lives.
#pragma once

#include <filesystem>
#include <string>

class StandInPrograms {
public:
    /** With onlyThese, PATH holds the stand-ins' folder alone; otherwise it comes first. */
    explicit StandInPrograms(bool onlyThese = false);
    ~StandInPrograms();
    StandInPrograms(const StandInPrograms&) = delete;
    StandInPrograms& operator=(const StandInPrograms&) = delete;

    /** An executable script called name that runs body under /bin/sh. */
    void add(const std::string& name, const std::string& body);
    /** A stand-in that appends its arguments, one per line, to a file in the folder. */
    void addRecorder(const std::string& name);
    /** What a recorder was given, once it has run: the starter does not wait for it. */
    std::string waitForRecording(const std::string& name) const;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::string m_oldPath;
};
