// The main window (Form1): load a FIFA 99 jersey, watch the previews, save the FIFA 2000 jersey.
// Its state, start-up and event procedures, free of any toolkit; the window is a Form1View.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "conversion_host.h"
#include "form1_view.h"
#include "layout_scaler.h"
#include "main_window_services.h"

/**
 * The event procedures keep the names the window's controls give them (Command1_Click is the
 * "Load FIFA99 Jersey" button), so a control, its objectName and its handler read alike. The
 * window supplies the conversion's previews and progress bar through its view; the logic is the
 * conversion's host.
 */
class Form1 : public ConversionHost {
public:
    /** Nothing runs yet: the window calls Form_Load once its controls stand. */
    Form1(Form1View& view, const MainWindowServices& services);

    /** False once the program was told to end (start-up check failed, Exit, bad palette). */
    bool isRunning() const { return !m_ended; }

    const std::string& lastOpenPath() const { return m_lastOpenPath; }
    const std::string& lastSavePath() const { return m_lastSavePath; }
    /** The window's reference layout, recorded by the first "Visit Our Website". */
    const LayoutScaler& layoutScaler() const { return m_layoutScaler; }

    // What the conversion asks of its host.
    /** The text of Text1: the program folder, ending in exactly one separator. */
    std::string programFolder() const override { return m_programFolder; }
    std::int16_t paletteBase() const override { return m_paletteBase; }
    PreviewSurface& preview(int index) override { return m_view.preview(index); }
    int progress() const override { return m_progress; }
    void setProgress(int value) override;

    // Event procedures.
    /** The start-up: colour mode, Save disabled, program folder, the checks, settings, skin. */
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void color64_Click();
    void LoadSkinMenu_Click();
    void readme_menu_Click();
    void AboutMenu_Click();
    void visitwebsiteMenu_Click();
    void ExitMenu_Click();

    /**
     * The Load command from the point where the open dialog has returned path: previews cleared,
     * settings written, the check, the conversion. For a kit named on the command line or dropped
     * on the window; an empty path is a cancelled dialog.
     */
    void loadJersey(const std::string& path);

    /** 0 when path is a FIFA 99 jersey file; otherwise tells the user and returns 1. */
    std::int16_t CheckJerseyFile(const std::string& path);
    void ClearPreviews();
    /** Paints subzero.jpg from the program folder on the window's background. */
    void PaintDefaultSkin();

private:
    /** Presence test plus the length the conversion needs; shows the message and ends if absent. */
    bool checkOwnFile(const char* fileName, const char* message, std::uintmax_t minimumLength);
    /** The work file must be laid out as a FIFA 2000 jersey; otherwise as checkOwnFile. */
    bool checkWorkTemplate();
    void convertJersey(const std::string& path);
    /** The save after the dialog: the target's rules, the question, the copy. */
    void saveJersey(const std::string& target);
    /** Remembers the dialogs' paths; a failure is told once and does not stop the command. */
    void writeSettings();
    void setSaveEnabled(bool enabled);
    std::string ownFile(const char* fileName) const { return m_programFolder + fileName; }
    void showMessage(const std::string& text, const char* title);
    void endProgram(int status);

    Form1View& m_view;
    MainWindowServices m_services;
    std::string m_programFolder;
    std::string m_lastOpenPath;
    std::string m_lastSavePath;
    std::int16_t m_paletteBase = 191;
    bool m_color64 = false;
    int m_progress = 0;
    bool m_ended = false;
    bool m_settingsFailureShown = false;
    LayoutScaler m_layoutScaler;
    /** Watched by reports that may come after the window is gone (a viewer giving up later). */
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
