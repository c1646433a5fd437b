// Starting programs on Windows with CreateProcess: a normal, focused window, no waiting.
#pragma once

#include "platform/program_starter.h"

class Win32ProgramStarter : public ProgramStarter {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
    /** "notepad.exe " followed by the path as it stands: Notepad takes the rest of the line. */
    void showTextFile(const std::string& path, ViewerFailed onFailure) override;
    /** The line goes to CreateProcess unchanged: quotes and placeholders stay as they are. */
    void startCommandLine(const std::string& commandLine) override;
    /** The shell's own "open" of the address: the default browser, or a failure at once. */
    void showWebPage(const std::string& address, ViewerFailed onFailure) override;
    /** Explorer showing the folder, through the shell's "explore" verb. */
    void showFolder(const std::string& folder, ViewerFailed onFailure) override;

    /** One argument quoted so that the started program's C runtime splits it back as it was. */
    static std::string quoteArgument(const std::string& argument);
};
