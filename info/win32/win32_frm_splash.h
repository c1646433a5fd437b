// The splash window drawn with the Win32 API: banner, maker, product, version and notice, with a
// dialog border and no title bar.
#pragma once

#include <functional>
#include <vector>

#include "info/frm_splash.h"
#include "info/frm_splash_design.h"
#include "platform/win32/win32_window.h"

/**
 * Hands keys that type a character and clicks on the banner or the frame to the logic; a click
 * on a label is nobody's. Closing the window by the system's own command (Alt+F4) reaches the
 * logic too. Shown centred on the screen when made.
 */
class Win32FrmSplash : public Win32Window, private FrmSplashView {
public:
    Win32FrmSplash(ProgramExit& programExit, std::function<void()> showMainWindow);
    ~Win32FrmSplash() override;

    FrmSplash& logic() { return m_logic; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpiChanged() override;

private:
    struct Label {
        HWND control;
        const char* text;
    };

    void buildControls();
    void addLabel(const FrmSplashDesign::Label& design);
    void showBanner();
    void fitLabels();
    // FrmSplashView
    void unload() override;

    FrmSplash m_logic;
    bool m_unloading = false;
    /** Owns the splash so that it stays out of the task bar yet can be reached with Alt+Tab. */
    HWND m_owner = nullptr;
    HWND m_frame1 = nullptr;
    HWND m_image1 = nullptr;
    HBITMAP m_banner = nullptr;
    std::vector<Label> m_labels;
};
