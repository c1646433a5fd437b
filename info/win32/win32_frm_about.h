// The About window drawn with the Win32 API: the product's name and version, credits, a notice,
// the etched separator and the two buttons.
#pragma once

#include <memory>

#include "frm_about.h"
#include "win32_window.h"

class Win32Font;

/**
 * Modeless, fixed in size and place, owned by the main window (so out of the task bar). OK,
 * Enter, Escape or the close box destroy it; the main window then makes a new one for the next
 * "About". The program's message loop gives it the dialog keys (IsDialogMessage): Enter, Escape,
 * Tab and Alt+S.
 */
class Win32FrmAbout : public Win32Window, private FrmAboutView {
public:
    Win32FrmAbout(HWND owner, const AboutServices& services);
    ~Win32FrmAbout() override;

    /** Shows the window, or brings it forward, with OK taking the keyboard. */
    void show();
    bool isOpen() const { return handle() != nullptr; }
    FrmAbout& logic() { return m_logic; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void buildControls();
    HWND addPicture(const char* name, const char* resource, int leftTwips, int topTwips,
                    int sizeTwips);
    // FrmAboutView
    void unload() override;

    FrmAbout m_logic;
    std::unique_ptr<Win32Font> m_font;
    HWND m_cmdOK = nullptr;
    HBITMAP m_logos[2] = {nullptr, nullptr};
    int m_logoCount = 0;
    HBRUSH m_lineBrushes[2] = {nullptr, nullptr};
    HWND m_lines[2] = {nullptr, nullptr};
};
