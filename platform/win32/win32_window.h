// One window procedure for all of the program's own windows: it finds the object behind a window
// and hands it the message. A failure that escapes a handler is told in a message box there, and
// the window stays usable; nothing unwinds through the system's code. It also keeps each window's
// display density: the windows are laid out and their pictures drawn at it, and a move to a
// display of another scale (WM_DPICHANGED) lays the window out again, here for all of them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_font.h"
#include "platform/win32/win32_twips.h"

class Win32Window {
public:
    Win32Window() = default;
    /** Destroys the window if it is still there, without calling back into this object. */
    virtual ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    /** Null before create() and once the window is destroyed. */
    HWND handle() const { return m_handle; }
    /** The density this window is drawn at: that of the top-level window it belongs to. */
    int dpi() const { return dpiOf(m_handle); }
    Win32Twips twips() const { return Win32Twips(dpi()); }
    /**
     * The density of the program's top-level window that holds window (the one it was told by its
     * last WM_DPICHANGED); for another program's window, the system's view of its display.
     */
    static int dpiOf(HWND window);

    /**
     * Registers a class of the program's windows once per run (later calls do nothing): arrow
     * cursor, the dialog colour as background, icons optional.
     */
    static void registerClass(const char* className, HICON icon = nullptr,
                              HICON smallIcon = nullptr);

    /** Who is told of a failure that escaped a handler; a plain message box until set. */
    static void setFailureReporter(std::function<void(const std::string& message)> reporter);
    /** Tells the failure reporter; for code that runs outside handleMessage (subclassed controls).
     */
    static void reportFailure(const std::string& message);

protected:
    /**
     * Creates the window at x, y (CW_USEDEFAULT: where the system chooses) with its outer size;
     * from WM_NCCREATE on its messages reach handleMessage. A top-level window starts at
     * newWindowDpi(parent).
     */
    void create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                SIZE size, HWND parent, HMENU menu = nullptr);
    /**
     * The density a new top-level window opens at: its owner's, or without one the system's (the
     * primary display, where the system places it).
     */
    static int newWindowDpi(HWND owner);
    /**
     * The outer size of a top-level window of these styles around a client area given in twips,
     * at newWindowDpi(owner).
     */
    static SIZE frameAround(HWND owner, int clientWidthTwips, int clientHeightTwips, DWORD style,
                            DWORD exStyle, bool hasMenu = false);
    /** A font for this window's controls, made again at each new density and given to them again.
     */
    Win32Font& addFont(const char* face, double points, bool bold = false, bool underline = false);
    /** By default DefWindowProc. */
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    /**
     * The window moved to a display of another density: its controls are in their places at it,
     * its fonts remade and its frame where the system suggested; the pictures are the window's to
     * draw again.
     */
    virtual void dpiChanged() {}
    /** The window is gone (WM_NCDESTROY); handle() is already null. */
    virtual void destroyed() {}

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    void changeDpi(int dpi, const RECT& suggested);

    HWND m_handle = nullptr;
    int m_newDpi = 0;  // a top-level window's density from WM_NCCREATE on
    std::vector<std::unique_ptr<Win32Font>> m_fonts;
};
