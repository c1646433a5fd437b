// The splash window (frmSplash): the program's first and, until the user answers it, only window.
// Its trigger rules, free of any toolkit; the window is a FrmSplashView.
#pragma once

#include <functional>

#include "info/frm_splash_view.h"
#include "platform/program_exit.h"

/**
 * A key that types a character, or a click on the banner or beside the labels, unloads the splash
 * and only then shows the main window, so anything the main window's start-up says appears with
 * the splash already gone. The first trigger counts: what comes before the window is gone finds it
 * unloaded, and there is one main window only.
 */
class FrmSplash {
public:
    FrmSplash(FrmSplashView& view, ProgramExit& programExit, std::function<void()> showMainWindow);

    // Event procedures; the three share one body. A click on a label is no event of the splash.
    void Form_KeyPress();
    void Frame1_Click();
    void Image1_Click();
    /**
     * The window is being closed by the platform's own close command (Alt+F4, the window
     * manager): it is the program's only window, so the program ends.
     */
    void Form_Unload();

private:
    void unloadAndShowMainWindow();

    FrmSplashView& m_view;
    ProgramExit& m_programExit;
    std::function<void()> m_showMainWindow;
    bool m_unloaded = false;
};
