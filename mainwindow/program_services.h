// The services both programs hand their main window: what each brings of its own (its toolkit's
// dialogs, message boxes, program location and picture decoder, and how it ends), with the
// platform's program starter, web-page opener and system information tool made here, once for both.
#pragma once

#include <memory>

#include "mainwindow/main_window_services.h"
#include "platform/common/program_name_message_box.h"

/** What a program brings of its own. */
struct ToolkitServices {
    FileDialogs& fileDialogs;
    MessageBoxes& messageBoxes;
    ProgramExit& programExit;
    ProgramLocation& programLocation;
    SkinPictureReader& skinReader;
};

class ProgramServices {
public:
    /** The toolkit's services must outlive these. */
    explicit ProgramServices(const ToolkitServices& toolkit);
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    const MainWindowServices& mainWindow() const { return m_mainWindow; }

private:
    std::unique_ptr<ProgramStarter> m_programStarter;
    // The web-page opener's and the system information tool's messages carry the program's name.
    ProgramNameMessageBox m_plainMessages;
    std::unique_ptr<UrlOpener> m_urlOpener;
    std::unique_ptr<SystemInfoTool> m_systemInfo;
    MainWindowServices m_mainWindow;
};
