// A font made for a window's controls and deleted with its owner.
#pragma once

#include <windows.h>

class Win32Font {
public:
    /** face at points on this screen; a face that is not installed gets the system's nearest. */
    Win32Font(const char* face, double points, bool bold = false, bool underline = false);
    ~Win32Font();
    Win32Font(const Win32Font&) = delete;
    Win32Font& operator=(const Win32Font&) = delete;

    HFONT handle() const { return m_font; }
    /** Gives control this font (WM_SETFONT); the font must outlive the control. */
    void applyTo(HWND control) const;

private:
    HFONT m_font;
};
