// The About window drawn with the Win32 API: the product's name and version, credits, a notice,
// the etched separator and the two buttons.
#pragma once

#include <vector>

#include "info/frm_about.h"
#include "platform/win32/win32_window.h"

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
    void dpiChanged() override;

private:
    /** A logo in its box, drawn at the window's density. */
    struct Logo {
        const char* resource = nullptr;
        HWND box = nullptr;
        HBITMAP bitmap = nullptr;
    };

    /** A label and its text as designed, before it is broken into lines. */
    struct Label {
        HWND control;
        const char* text;
    };

    void buildControls();
    void breakLabels();
    void addPicture(int index, const char* name, const char* resource, int leftTwips, int topTwips,
                    int sizeTwips);
    void showLogo(Logo& logo);
    // FrmAboutView
    void unload() override;

    FrmAbout m_logic;
    HWND m_cmdOK = nullptr;
    Logo m_logos[2];
    std::vector<Label> m_labels;
    HBRUSH m_lineBrushes[2] = {nullptr, nullptr};
    HWND m_lines[2] = {nullptr, nullptr};
};
