// The About window's buttons: OK unloads it, System Info starts the registered tool or says that
// there is none, over the window and in the program's name.
#include "frm_about.h"

#include <gtest/gtest.h>

#include "fake_file_existence.h"
#include "fake_message_boxes.h"
#include "fake_registry.h"
#include "recording_program_starter.h"

namespace {
class FakeAboutView : public FrmAboutView {
public:
    void unload() override { ++unloads; }
    int unloads = 0;
};
}  // namespace

TEST(FrmAbout, OkUnloadsItAndSystemInfoStartsTheToolOrSaysItIsUnavailable) {
    FakeAboutView view;
    FakeRegistry registry;
    CallLog log;
    FakeFileExistence files{log};
    RecordingProgramStarter starter{log};
    FakeMessageBoxes messages;
    FrmAbout about(view, {registry, files, starter, messages});

    about.cmdSysInfo_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(messages.shown[0].title, "Vestrix");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);

    registry.set(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                 RegistryType::kString, std::string("C:\\Tools\\msinfo32.exe") + '\0');
    about.cmdSysInfo_Click();
    EXPECT_EQ(log, CallLog{"start C:\\Tools\\msinfo32.exe"});
    EXPECT_EQ(view.unloads, 0) << "the window stays open";

    about.cmdOK_Click();
    EXPECT_EQ(view.unloads, 1);
}
