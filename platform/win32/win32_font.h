// A font made for a window's controls, at the window's density, and deleted with its owner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class Win32Font {
public:
    /**
     * face at points on a display of dpi; a face that is not installed gets the system's nearest.
     */
    Win32Font(const char* face, double points, int dpi, bool bold = false, bool underline = false);
    ~Win32Font();
    Win32Font(const Win32Font&) = delete;
    Win32Font& operator=(const Win32Font&) = delete;

    HFONT handle() const { return m_font; }
    /** Gives control this font (WM_SETFONT); the font must outlive the control. */
    void applyTo(HWND control);
    /** The same face and points at another density, given again to the controls that had it. */
    void rescale(int dpi);

private:
    HFONT make(int dpi) const;

    std::wstring m_face;
    double m_points;
    bool m_bold;
    bool m_underline;
    HFONT m_font;
    std::vector<HWND> m_controls;
};
