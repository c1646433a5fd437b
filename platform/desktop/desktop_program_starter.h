// Starting programs on a Linux desktop: a direct exec through QProcess, never a shell.
#pragma once

#include "platform/program_starter.h"

class DesktopProgramStarter : public ProgramStarter {
public:
    void start(const std::string& program, const std::vector<std::string>& arguments) override;
    void startCommandLine(const std::string& commandLine) override;
    /**
     * The desktop's own opener, xdg-open, picks the user's text viewer; it ends with a failure
     * status when there is none, which onFailure hears of. Needs a running event loop.
     */
    void showTextFile(const std::string& path, ViewerFailed onFailure) override;
    /** The same through xdg-open, for the user's browser. */
    void showWebPage(const std::string& address, ViewerFailed onFailure) override;
    /** The same through xdg-open, for the user's file manager. */
    void showFolder(const std::string& folder, ViewerFailed onFailure) override;
};
