// The program's own files, which no jersey may be written over: everything in a program folder
// (work file, palette, settings, skins, readme, the programs themselves) except the jerseys a user
// keeps there, and the running program wherever it lives.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/file_key.h"
#include "platform/program_locations.h"

class ProgramOwnFiles {
public:
    /**
     * Every own file in each of the program's folders and the running program: the one list both
     * the converter and the window's Save refuse to write over, in every layout (a build folder, a
     * portable copy, an installation's bin/ and share/vestrix, the user's folder).
     */
    static ProgramOwnFiles of(const ProgramLocations& locations);

    /** Adds every file of folder except *.fsh jerseys other than the work file pk001.fsh. */
    void addFolder(const std::string& folder);
    void addFile(const std::string& path);

    /**
     * Whether a file of this name in a program folder is the program's own: everything but a
     * user's jersey. A file that is not there yet counts too: a jersey written as fifa2k.pal
     * would be taken for the palette by the window's next start.
     */
    static bool isOwnName(const std::string& fileName);

    /** The path of the own file that key identifies, if it is one. */
    std::optional<std::string> find(const FileKey& key) const;
    bool empty() const { return m_files.empty(); }

private:
    std::map<FileKey, std::string> m_files;
};
