// Everything the main window asks of the user or the operating system, handed over at construction.
#pragma once

#include "file_dialogs.h"
#include "message_boxes.h"
#include "program_exit.h"
#include "program_location.h"
#include "program_starter.h"
#include "skin_picture_reader.h"
#include "system_info_tool.h"
#include "url_opener.h"

struct MainWindowServices {
    FileDialogs& fileDialogs;
    MessageBoxes& messageBoxes;
    ProgramExit& programExit;
    ProgramStarter& programStarter;
    ProgramLocation& programLocation;
    UrlOpener& urlOpener;
    /** The toolkit's decoder of skin pictures. */
    SkinPictureReader& skinReader;
    /** What the About window's System Info button starts. */
    SystemInfoTool& systemInfo;
};
