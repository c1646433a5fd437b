// Fonts at the sizes the windows were designed with.
#include "win32_font.h"

#include "win32_text.h"
#include "win32_twips.h"

Win32Font::Win32Font(const char* face, double points, bool bold, bool underline)
    : m_font(CreateFontW(Win32Twips::fontHeight(points), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                         underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                         wideText(face).c_str())) {}

Win32Font::~Win32Font() {
    if (m_font) DeleteObject(m_font);
}

void Win32Font::applyTo(HWND control) const {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
}
