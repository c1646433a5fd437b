// The splash window's trigger rules.
#include "info/frm_splash.h"

FrmSplash::FrmSplash(FrmSplashView& view, ProgramExit& programExit,
                     std::function<void()> showMainWindow)
    : m_view(view), m_programExit(programExit), m_showMainWindow(std::move(showMainWindow)) {}

void FrmSplash::Form_KeyPress() { unloadAndShowMainWindow(); }
void FrmSplash::Frame1_Click() { unloadAndShowMainWindow(); }
void FrmSplash::Image1_Click() { unloadAndShowMainWindow(); }

void FrmSplash::Form_Unload() {
    // Our own unload closes the window too; only another close leaves the program windowless.
    if (m_unloaded) return;
    m_unloaded = true;
    m_programExit.exitNow(0);
}

void FrmSplash::unloadAndShowMainWindow() {
    if (m_unloaded) return;
    m_unloaded = true;
    m_view.unload();
    m_showMainWindow();
}
