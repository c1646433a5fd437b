// Everything the main window asks of the user or the operating system, handed over at construction.
#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/program_exit.h"
#include "platform/program_location.h"
#include "platform/program_starter.h"
#include "platform/system_info_tool.h"
#include "platform/url_opener.h"
#include "skins/skin_picture_reader.h"

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
