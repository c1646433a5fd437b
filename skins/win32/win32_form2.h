// Skin Select drawn with the Win32 API: a small tool window with the picture list and the link.
#pragma once

#include "platform/win32/win32_window.h"
#include "skins/form2.h"
#include "skins/form2_design.h"

/**
 * Forwards the list's selection changes and the link's clicks to the window's logic, which it
 * loads when made: the list is filled and the first picture painted before the constructor
 * returns, with the window still hidden. Closing the window destroys it; the owner then makes a
 * new one for the next opening.
 */
class Win32Form2 : public Win32Window, private Form2View {
public:
    /** owner: the main window, whose background canvas is. */
    Win32Form2(HWND owner, SkinCanvas& canvas, const Form2Services& services);
    ~Win32Form2() override;

    /** Shows the window, or brings it forward, with the list taking the keyboard. */
    void show();
    bool isOpen() const { return handle() != nullptr; }
    Form2& logic() { return m_logic; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void buildControls();
    HWND addControl(const Form2Design::Control& control, const char* className, DWORD style,
                    int id = 0, DWORD exStyle = 0);

    // Form2View
    void setListEntries(const std::vector<std::string>& names) override;
    void setListIndex(int index) override;
    int listIndex() const override;

    HWND m_file1 = nullptr;
    HWND m_label1 = nullptr;
    Form2 m_logic;
};
