// The main window drawn with the Win32 API: the two buttons, the eight preview boxes, the progress
// bar, the menus with their shortcuts, and the background the skins are painted on.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "mainwindow/form1.h"
#include "mainwindow/form1_design.h"
#include "platform/win32/win32_window.h"

class Win32Form2;
class Win32FrmAbout;
class Win32LayoutForm;
class Win32PictureBox;
class Win32PostedTasks;
class Win32SkinSurface;

/**
 * Builds the controls where the window's design puts them, hands every click, key and menu
 * entry to the logic, and draws what the logic asks. The logic's start-up runs in the
 * constructor, with the window still hidden; when it ends the program the window must not be
 * shown. Closing the window ends the program's message loop. The message loop gives it the dialog
 * keys: Tab goes from button to button, Space presses the one in focus. A folder conversion runs
 * on a thread of its own; what it reports reaches the window through its message queue.
 */
class Win32Form1 : public Win32Window, private Form1View {
public:
    explicit Win32Form1(const MainWindowServices& services);
    ~Win32Form1() override;

    void show();
    /**
     * The window's shortcuts (Ctrl+O...) and, while a folder is converted, Escape for Cancel: for
     * a message meant for it or its controls.
     */
    bool translateAccelerator(MSG& message);
    /** Loads path from the message loop, once the window is drawn, as if the open dialog named it.
     */
    void loadLater(const std::string& path);

    Form1& logic() { return m_logic; }
    Win32PictureBox& picture(int index) { return *m_pictures.at(static_cast<std::size_t>(index)); }
    Win32SkinSurface& skinSurface() { return *m_surface; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpiChanged() override;
    void destroyed() override;

private:
    void buildControls();
    HWND addControl(const Form1Design::Control& control, const char* className, DWORD style,
                    int command = 0);
    HWND addButton(const Form1Design::Control& control, Win32Font& font);
    void setIcons();
    HMENU buildMenus();
    void command(WORD id);
    void dropFiles(HDROP drop);
    /** Cancels a folder conversion and waits for its thread. */
    void endBackgroundWork();

    // Form1View
    void setEnabled(Control control, bool enabled) override;
    void setVisible(Control control, bool visible) override;
    void setProgressMaximum(int maximum) override;
    void setChecked(Control control, bool checked) override;
    void setText(Control control, const std::string& text) override;
    void setProgress(int value) override;
    PreviewSurface& preview(int index) override;
    void clearPreview(int index) override;
    SkinCanvas& background() override;
    void repaintNow() override;
    bool isOpen(Companion window) override;
    void open(Companion window) override;
    void bringForward(Companion window) override;
    LayoutForm& layoutForm() override;
    void runInBackground(std::function<void()> work) override;
    void postToWindow(std::function<void()> task) override;

    MainWindowServices m_services;
    HACCEL m_accelerators = nullptr;
    HMENU m_menu = nullptr;
    WORD m_color64 = 0;
    HICON m_icons[2] = {nullptr, nullptr};
    std::unique_ptr<Win32SkinSurface> m_surface;
    std::unique_ptr<Win32LayoutForm> m_layoutForm;
    std::unique_ptr<Win32Form2> m_form2;
    std::unique_ptr<Win32FrmAbout> m_about;
    std::array<std::unique_ptr<Win32PictureBox>, ConversionHost::kPreviewCount> m_pictures;
    HWND m_command1 = nullptr;
    HWND m_command2 = nullptr;
    HWND m_cancelFolder = nullptr;
    HWND m_progressBar1 = nullptr;
    HWND m_text1 = nullptr;
    ULONGLONG m_progressPainted = 0;
    /** A folder conversion's; joined before the logic goes. */
    std::thread m_worker;
    std::unique_ptr<Win32PostedTasks> m_posted;
    Form1 m_logic;  // last: it talks to the controls above
};
