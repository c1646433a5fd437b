// The program folder of the running Windows program.
#include "platform/win32/win32_program_location.h"

#include "platform/common/path_text.h"
#include "platform/common/program_folder_choice.h"
#include "platform/program_locations.h"

Win32ProgramLocation::Win32ProgramLocation() : m_locations(ProgramLocations::ofThisProgram()) {
    // The same places the converter keeps its hands off.
    const ProgramLocations& locations = m_locations;
    std::vector<std::filesystem::path> shared;
    for (const std::string& folder : locations.sharedFolders) shared.push_back(toPath(folder));
    const ProgramFolderChoice::Choice choice = ProgramFolderChoice::choose(
        toPath(locations.executableFolder), shared, toPath(locations.userFolder));
    m_folder = pathText(choice.folder);
    m_problem = choice.problem;
}
