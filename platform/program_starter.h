// Starting another program (the readme viewer, the browser, the system information tool), without a
// shell and without waiting for it. One backend per platform; createProgramStarter() is defined by
// the one linked in.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

/** The program could not be started; the message names it. */
class ProgramStartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    /** Starts program with these arguments, each passed as it stands. Throws ProgramStartError. */
    virtual void start(const std::string& program, const std::vector<std::string>& arguments) = 0;

    /** Told, later and from the event loop, that the viewer started but could not show the file. */
    using ViewerFailed = std::function<void(const std::string& message)>;

    /**
     * Shows a text file to the user in the platform's plain viewer (Notepad on Windows, the
     * desktop's opener elsewhere). Throws ProgramStartError when the viewer cannot be started;
     * a viewer that starts and then gives up (no text viewer installed) calls onFailure.
     */
    virtual void showTextFile(const std::string& path, ViewerFailed onFailure) = 0;

    /**
     * Shows a web page in the user's browser through the platform's own opener, for where no
     * browser is reached over DDE. Throws ProgramStartError when the opener cannot be started; an
     * opener that starts and then gives up (no browser installed) calls onFailure.
     */
    virtual void showWebPage(const std::string& address, ViewerFailed onFailure) = 0;

    /**
     * Opens folder in the system's file manager (Explorer on Windows, the desktop's opener
     * elsewhere). Throws ProgramStartError when it cannot be started; one that starts and then
     * gives up calls onFailure.
     */
    virtual void showFolder(const std::string& folder, ViewerFailed onFailure) = 0;
};

/** The starter of the platform this program is built for. */
std::unique_ptr<ProgramStarter> createProgramStarter();
