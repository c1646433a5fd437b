// The main window (Form1): load a FIFA 99 jersey, watch the previews, save the FIFA 2000 jersey.
// Its state, start-up and event procedures, free of any toolkit; the window is a Form1View.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "layout/layout_scaler.h"
#include "mainwindow/folder_conversion.h"
#include "mainwindow/form1_conversion_host.h"
#include "mainwindow/form1_view.h"
#include "mainwindow/main_window_services.h"

class SourceArchive;

/**
 * The event procedures keep the names the window's controls give them (Command1_Click is the
 * "Load FIFA99 Jersey" button), so a control, its objectName and its handler read alike. A load
 * converts in memory and hands the conversion the window's previews and progress bar through a
 * small adapter over the view; the conversion never calls back into this logic.
 */
class Form1 {
public:
    /** Nothing runs yet: the window calls Form_Load once its controls stand. */
    Form1(Form1View& view, const MainWindowServices& services);

    /** False once the program was told to end (start-up check failed, Exit, bad palette). */
    bool isRunning() const { return !m_ended; }

    const std::string& lastOpenPath() const { return m_lastOpenPath; }
    const std::string& lastSavePath() const { return m_lastSavePath; }
    /** The window's reference layout, recorded by the first "Visit Our Website". */
    const LayoutScaler& layoutScaler() const { return m_layoutScaler; }

    /** The text of Text1: the program folder, ending in exactly one separator. */
    const std::string& programFolder() const { return m_programFolder; }
    /** Lowest palette index the colour search considers, as the colour mode sets it. */
    std::int16_t paletteBase() const { return m_conversion.paletteBase(); }
    /** ProgressBar1's value. */
    int progress() const { return m_conversion.progress(); }
    /** While a folder is converted the window's other commands wait. */
    bool isConvertingFolder() const { return m_folders.isRunning(); }

    // Event procedures.
    /** The start-up: colour mode, Save disabled, program folder, the checks, settings, skin. */
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    /** File > "Convert a Folder...": two folder pickers, then the batch converter's run. */
    void ConvertFolderMenu_Click();
    /** The Cancel button (or Escape) while a folder is converted: it stops between two kits. */
    void CancelFolder_Click();
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
    /**
     * Items dropped on the window (local paths; an item that is no local file as empty text): a
     * single kit loads as Load does, several kits or a folder are converted as a folder is.
     */
    void filesDropped(const std::vector<std::string>& paths);

    /** 0 when the kit, as read, is a FIFA 99 jersey file; otherwise tells the user and returns 1.
     */
    std::int16_t CheckJerseyFile(const SourceArchive& kit);
    void ClearPreviews();
    /** Paints subzero.jpg from the program folder on the window's background. */
    void PaintDefaultSkin();

private:
    /** Opens Skin Select or About, or brings the open one forward. */
    void showOnce(Form1View::Companion window);
    /** Presence test plus the length the conversion needs; shows the message and ends if absent. */
    bool checkOwnFile(const char* fileName, const char* message, std::uintmax_t minimumLength);
    /** The work file must be laid out as a FIFA 2000 jersey; otherwise as checkOwnFile. */
    bool checkWorkTemplate();
    /** The kit read once, converted in memory, the work file written once, whole. */
    void convertJersey(const SourceArchive& kit);
    /** The save after the dialog: the target's rules, the question, this window's jersey written.
     */
    void saveJersey(const std::string& target);
    /** Remembers the dialogs' paths; a failure is told once and does not stop the command. */
    void writeSettings();
    /** After a load that failed: nothing to save until the next good one. */
    void forgetJersey();
    void setSaveEnabled(bool enabled);
    /** Everything that loads, saves, converts, changes the colour mode or the skin, or ends. */
    void setCommandsEnabled(bool enabled);
    FolderConversion::Request folderRequest() const;
    std::string ownFile(const char* fileName) const { return m_programFolder + fileName; }
    void showMessage(const std::string& text, const char* title);
    void endProgram(int status);

    Form1View& m_view;
    MainWindowServices m_services;
    std::string m_programFolder;
    std::string m_lastOpenPath;
    std::string m_lastSavePath;
    bool m_color64 = false;
    Form1ConversionHost m_conversion{m_view};
    /**
     * The work file as this window's last good load wrote it: Save writes these bytes, not the
     * file on disk, which another window on the same program folder may have loaded since.
     */
    std::vector<std::uint8_t> m_converted;
    bool m_ended = false;
    bool m_settingsFailureShown = false;
    LayoutScaler m_layoutScaler;
    FolderConversion m_folders{m_view, m_services,
                               [this](bool running) { setCommandsEnabled(!running); }};
    /** Watched by reports that may come after the window is gone (a viewer giving up later). */
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
