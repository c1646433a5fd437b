// The program folder of the running Windows program.
#include "win32_program_location.h"

#include "program_folder_choice.h"
#include "program_locations.h"

Win32ProgramLocation::Win32ProgramLocation() : m_locations(ProgramLocations::ofThisProgram()) {
    // The same places the converter keeps its hands off.
    const ProgramLocations& locations = m_locations;
    const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
        locations.executableFolder,
        std::vector<std::filesystem::path>(locations.sharedFolders.begin(),
                                           locations.sharedFolders.end()),
        locations.userFolder);
    m_folder = choice.folder.string();
    m_problem = choice.problem;
}
