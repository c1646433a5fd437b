// The About window's buttons: OK unloads it, System Info starts the system's tool and leaves the
// window open.
#include "info/frm_about.h"

#include <gtest/gtest.h>

#include "tests/platform/fake_system_info_tool.h"

namespace {
class FakeAboutView : public FrmAboutView {
public:
    void unload() override { ++unloads; }
    int unloads = 0;
};
}  // namespace

TEST(FrmAbout, OkUnloadsItAndSystemInfoStartsTheTool) {
    FakeAboutView view;
    FakeSystemInfoTool tool;
    FrmAbout about(view, {tool});

    about.cmdSysInfo_Click();
    EXPECT_EQ(tool.starts, 1);
    EXPECT_EQ(view.unloads, 0) << "the window stays open";

    about.cmdOK_Click();
    EXPECT_EQ(view.unloads, 1);
}
