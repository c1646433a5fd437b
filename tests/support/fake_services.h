// One scripted stand-in for each service the windows ask of the user and the system, and the
// struct the main window takes.
#pragma once

#include "mainwindow/main_window_services.h"
#include "tests/platform/call_log.h"
#include "tests/platform/fake_file_dialogs.h"
#include "tests/platform/fake_message_boxes.h"
#include "tests/platform/fake_program_exit.h"
#include "tests/platform/fake_program_location.h"
#include "tests/platform/fake_system_info_tool.h"
#include "tests/platform/fake_url_opener.h"
#include "tests/platform/recording_program_starter.h"
#include "tests/support/fake_skin_picture_reader.h"

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
