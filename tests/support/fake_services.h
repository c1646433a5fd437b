// One scripted stand-in for each service the windows ask of the user and the system, and the
// struct the main window takes.
#pragma once

#include "call_log.h"
#include "fake_file_dialogs.h"
#include "fake_message_boxes.h"
#include "fake_program_exit.h"
#include "fake_program_location.h"
#include "fake_skin_picture_reader.h"
#include "fake_system_info_tool.h"
#include "fake_url_opener.h"
#include "main_window_services.h"
#include "recording_program_starter.h"

struct FakeServices {
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeProgramExit exit;
    /** What was started: "show PATH" for the readme, "start LINE" for a command line. */
    CallLog started;
    RecordingProgramStarter starter{started};
    FakeProgramLocation location;
    FakeUrlOpener urlOpener;
    FakeSkinPictureReader skinReader;
    FakeSystemInfoTool systemInfo;
    MainWindowServices services{dialogs,  messages,  exit,       starter,
                                location, urlOpener, skinReader, systemInfo};
};
