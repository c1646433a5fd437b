// One window procedure for all of the program's own windows: it finds the object behind a window
// and hands it the message. A failure that escapes a handler is told in a message box there, and
// the window stays usable; nothing unwinds through the system's code.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class Win32Window {
public:
    Win32Window() = default;
    /** Destroys the window if it is still there, without calling back into this object. */
    virtual ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    /** Null before create() and once the window is destroyed. */
    HWND handle() const { return m_handle; }

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
     * from WM_NCCREATE on its messages reach handleMessage.
     */
    void create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                SIZE size, HWND parent, HMENU menu = nullptr);
    /** The outer size of a window of these styles around a client area given in twips. */
    static SIZE frameAround(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle,
                            bool hasMenu = false);
    /** By default DefWindowProc. */
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    /** The window is gone (WM_NCDESTROY); handle() is already null. */
    virtual void destroyed() {}

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    HWND m_handle = nullptr;
};
