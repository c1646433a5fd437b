// The splash window's rules: the first trigger unloads it and only then shows the main window,
// once; closing it any other way ends the program.
#include "info/frm_splash.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/platform/call_log.h"
#include "tests/platform/fake_program_exit.h"

namespace {
class RecordingSplashView : public FrmSplashView {
public:
    explicit RecordingSplashView(CallLog& log) : m_log(log) {}
    void unload() override { m_log.push_back("unload"); }

private:
    CallLog& m_log;
};

struct Splash {
    CallLog log;
    RecordingSplashView view{log};
    FakeProgramExit exit;
    FrmSplash splash{view, exit, [this] { log.push_back("main window"); }};
};
}  // namespace

TEST(FrmSplash, TheFirstTriggerUnloadsItThenShowsOneMainWindow) {
    const std::function<void(FrmSplash&)> triggers[] = {
        [](FrmSplash& s) { s.Form_KeyPress(); },
        [](FrmSplash& s) { s.Frame1_Click(); },
        [](FrmSplash& s) { s.Image1_Click(); },
    };
    for (const auto& first : triggers) {
        Splash shown;
        first(shown.splash);
        // A second key or click before the window is gone, and the close that its unload makes.
        for (const auto& again : triggers) again(shown.splash);
        shown.splash.Form_Unload();
        EXPECT_EQ(shown.log, (CallLog{"unload", "main window"}));
        EXPECT_TRUE(shown.exit.statuses.empty());
    }
}

TEST(FrmSplash, ClosedByThePlatformItEndsTheProgramWithoutAMainWindow) {
    Splash shown;
    shown.splash.Form_Unload();
    shown.splash.Form_KeyPress();  // a key already on its way finds the window gone
    EXPECT_EQ(shown.exit.statuses, std::vector<int>{0});
    EXPECT_TRUE(shown.log.empty());
}
