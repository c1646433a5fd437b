// Fonts at the sizes the windows were designed with.
#include "platform/win32/win32_font.h"

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_twips.h"

Win32Font::Win32Font(const char* face, double points, int dpi, bool bold, bool underline)
    : m_face(wideText(face)),
      m_points(points),
      m_bold(bold),
      m_underline(underline),
      m_font(make(dpi)) {}

Win32Font::~Win32Font() {
    if (m_font) DeleteObject(m_font);
}

HFONT Win32Font::make(int dpi) const {
    return CreateFontW(Win32Twips(dpi).fontHeight(m_points), 0, 0, 0, m_bold ? FW_BOLD : FW_NORMAL,
                       FALSE, m_underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, m_face.c_str());
}

void Win32Font::applyTo(HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    m_controls.push_back(control);
}

void Win32Font::rescale(int dpi) {
    const HFONT previous = m_font;
    m_font = make(dpi);
    for (HWND control : m_controls) {
        if (IsWindow(control))
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    }
    if (previous) DeleteObject(previous);
}
