// Converting a whole folder of kits from the main window: the batch converter's run, with its
// safety rules and its bytes, on a thread besides the window's, the progress counted in kits, a
// Cancel between two kits and one summary at the end.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "conversion/color_mode.h"
#include "mainwindow/form1_view.h"
#include "mainwindow/main_window_services.h"
#include "platform/program_locations.h"

/**
 * The logic of File > "Convert a Folder..." and of a drop of several kits or a folder. The
 * window's work file, previews, Save and settings are none of its business: every jersey starts
 * from the template built into the program, as `vestrix-convert -d` does.
 */
class FolderConversion {
public:
    /** Told true as a run starts and false once it is over: the window's commands wait meanwhile.
     */
    using RunningChanged = std::function<void(bool running)>;

    /** What a run takes from the window at the moment it is asked for. */
    struct Request {
        ColorMode colorMode = ColorMode::Normal;
        /** Every folder of the program's own files, which no jersey may replace. */
        ProgramLocations program;
        /** Where the pickers open the first time: the folders of the last kit loaded and saved. */
        std::string kitFolderHint;
        std::string jerseyFolderHint;
    };

    FolderConversion(Form1View& view, const MainWindowServices& services,
                     RunningChanged runningChanged);
    ~FolderConversion();
    FolderConversion(const FolderConversion&) = delete;
    FolderConversion& operator=(const FolderConversion&) = delete;

    bool isRunning() const { return m_run != nullptr; }

    /** The menu command: the folder of kits, then the folder for the jerseys, then the run. */
    void convertChosenFolder(const Request& request);
    /** Dropped kits and folders: only the folder for the jerseys is asked for. */
    void convertDropped(const std::vector<std::string>& inputs, const Request& request);
    /** Stops the run between two kits; the jerseys written so far stay, each whole. */
    void cancel();

    static constexpr const char* kTitle = "Convert a Folder";
    static constexpr const char* kReportName = "vestrix-report.txt";
    /** Failed kits named in the summary; the rest are counted, and all are in the report. */
    static constexpr std::size_t kFailuresShown = 10;

private:
    struct Run;

    std::string chooseOutputFolder(const Request& request);
    /** Checks, plans and starts the run; a refusal is told and nothing is written. */
    void start(const std::vector<std::string>& inputs, const std::string& outputFolder,
               const Request& request);
    /** On the window's thread once the work has ended: the window back, the summary. */
    void finish(const std::shared_ptr<Run>& run, std::size_t done);
    std::string summary(const Run& run, std::size_t done) const;
    /** The failures' report beside the jerseys; the reason why not when it cannot be written. */
    std::string writeReport(const Run& run, std::size_t done) const;
    void offerToOpen(const std::string& folder, const std::string& text);
    void showMessage(const std::string& text);

    Form1View& m_view;
    MainWindowServices m_services;
    RunningChanged m_runningChanged;
    std::shared_ptr<Run> m_run;  // while a run goes on
    // The folders chosen last, where the pickers open next.
    std::string m_lastKitFolder;
    std::string m_lastJerseyFolder;
    /** Watched by the file manager's report, which may come after the window is gone. */
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
