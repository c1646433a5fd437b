// A folder converted as vestrix-convert -d converts it: the plan checks every output before the
// first jersey is written, the kits go on as many threads as the machine has cores, and the
// window only hears of each kit as it is done.
#include "mainwindow/folder_conversion.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <thread>

#include "batch/batch_converter.h"
#include "batch/batch_plan.h"
#include "batch/parallel_batch.h"
#include "conversion/conversion_error.h"
#include "platform/common/path_text.h"
#include "platform/file_access_error.h"
#include "platform/file_key.h"
#include "platform/write_target.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kKitPickerTitle = "Convert a Folder: the folder of FIFA 99 kits";
constexpr const char* kJerseyPickerTitle = "Convert a Folder: the folder for the FIFA 2000 jerseys";
constexpr int kLoadProgressMaximum = 90;
// Line feeds alone, on Windows too: the Notepad of Windows 10 and 11 reads them as lines.
constexpr const char* kLineEnd = "\n";

/**
 * The input folder that holds output, itself or further down, however either is spelled: the
 * folders are compared by identity, the output's as far up as it exists yet. Empty when none.
 */
std::string inputFolderHolding(const std::vector<std::string>& inputs, const std::string& output) {
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(fs::absolute(toPath(output), error), error);
    if (error) return {};
    for (const std::string& input : inputs) {
        std::error_code notAFolder;
        if (!fs::is_directory(toPath(input), notAFolder)) continue;
        const std::optional<FileKey> inputKey = fileKey(input);
        if (!inputKey) continue;
        for (fs::path at = resolved;; at = at.parent_path()) {
            if (fileKey(pathText(at)) == inputKey) return input;
            if (at == at.parent_path()) break;
        }
    }
    return {};
}

}  // namespace

struct FolderConversion::Run {
    std::vector<std::string> inputs;
    std::string outputFolder;
    std::optional<BatchPlan> plan;
    std::vector<BatchConverter> converters;
    std::atomic<bool> cancelled{false};
    // Written by the work's reporting thread only, read by the window's once the work is over.
    std::size_t converted = 0;
    std::vector<std::string> failures;

    /** A kit as the user knows it: below the folder they chose, or its whole path. */
    std::string shownName(const std::string& kit) const {
        for (const std::string& input : inputs) {
            const std::string prefix = pathText(toPath(input) / "");
            if (kit.size() > prefix.size() && kit.starts_with(prefix))
                return kit.substr(prefix.size());
        }
        return kit;
    }
    std::size_t kits() const { return plan->jobs().size() + plan->refusedKits().size(); }
};

FolderConversion::FolderConversion(Form1View& view, const MainWindowServices& services,
                                   RunningChanged runningChanged)
    : m_view(view), m_services(services), m_runningChanged(std::move(runningChanged)) {}

FolderConversion::~FolderConversion() = default;

void FolderConversion::convertChosenFolder(const Request& request) {
    if (isRunning()) return;
    const std::string kits = m_services.fileDialogs.chooseFolder(
        kKitPickerTitle, m_lastKitFolder.empty() ? request.kitFolderHint : m_lastKitFolder,
        FileDialogs::FolderKind::Existing);
    if (kits.empty()) return;
    m_lastKitFolder = kits;
    const std::string output = chooseOutputFolder(request);
    if (output.empty()) return;
    start({kits}, output, request);
}

void FolderConversion::convertDropped(const std::vector<std::string>& inputs,
                                      const Request& request) {
    if (isRunning() || inputs.empty()) return;
    const std::string output = chooseOutputFolder(request);
    if (output.empty()) return;
    start(inputs, output, request);
}

std::string FolderConversion::chooseOutputFolder(const Request& request) {
    const std::string output = m_services.fileDialogs.chooseFolder(
        kJerseyPickerTitle,
        m_lastJerseyFolder.empty() ? request.jerseyFolderHint : m_lastJerseyFolder,
        FileDialogs::FolderKind::MayBeNew);
    if (!output.empty()) m_lastJerseyFolder = output;
    return output;
}

void FolderConversion::cancel() {
    if (m_run) m_run->cancelled = true;
}

void FolderConversion::start(const std::vector<std::string>& inputs,
                             const std::string& outputFolder, const Request& request) {
    // Its own jerseys would be found among the kits, now or by the next run.
    if (const std::string holder = inputFolderHolding(inputs, outputFolder); !holder.empty()) {
        showMessage("The folder for the jerseys, " + outputFolder + ", is inside the folder of " +
                    "kits, " + holder + ": the jerseys would be converted again as kits. " +
                    "Please choose a folder outside it.");
        return;
    }

    auto run = std::make_shared<Run>();
    run->inputs = inputs;
    run->outputFolder = outputFolder;
    std::string error;
    run->plan.emplace(
        BatchPlan::make(BatchRequest{inputs, {}, outputFolder, {}}, {}, request.program, error));
    if (error == BatchPlan::kNoKits) {
        std::string named;
        for (const std::string& input : inputs) named += (named.empty() ? "" : ", ") + input;
        showMessage("There is no FIFA 99 jersey file (*.fsh) in " + named + ".");
        return;
    }
    if (!error.empty()) {
        showMessage(error);
        return;
    }
    for (const std::string& failure : run->plan->failures()) run->failures.push_back(failure);
    for (const std::string& refused : run->plan->refusedKits()) run->failures.push_back(refused);

    const std::size_t jobs = run->plan->jobs().size();
    try {
        const BatchConverter converter =
            BatchConverter::fromEmbedded(request.colorMode == ColorMode::SixtyFourColors, false);
        const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                            std::max<std::size_t>(jobs, 1));
        run->converters = std::vector<BatchConverter>(threads, converter);
    } catch (const ConversionError& broken) {
        showMessage(broken.what());  // the program itself is damaged
        return;
    }

    m_run = run;
    m_runningChanged(true);
    m_view.setProgressMaximum(static_cast<int>(std::max<std::size_t>(jobs, 1)));
    m_view.setProgress(0);
    m_view.setVisible(Form1View::Control::CancelFolder, true);
    m_view.runInBackground([this, run, jobs] {
        const std::size_t done = ParallelBatch::run(
            jobs, static_cast<int>(run->converters.size()),
            [&run](int worker, std::size_t job) {
                return run->converters[static_cast<std::size_t>(worker)].convert(
                    run->plan->jobs()[job]);
            },
            [this, &run](std::size_t job, const KitResult& result) {
                if (result.jerseyWritten) ++run->converted;
                if (!result.error.empty())
                    run->failures.push_back(run->shownName(run->plan->jobs()[job].input) + ": " +
                                            result.error);
                m_view.postToWindow(
                    [this, value = static_cast<int>(job + 1)] { m_view.setProgress(value); });
            },
            [&run] { return run->cancelled.load(); });
        m_view.postToWindow([this, run, done] { finish(run, done); });
    });
}

void FolderConversion::finish(const std::shared_ptr<Run>& run, std::size_t done) {
    m_run.reset();
    m_view.setVisible(Form1View::Control::CancelFolder, false);
    m_view.setProgressMaximum(kLoadProgressMaximum);
    m_view.setProgress(0);
    m_runningChanged(false);
    offerToOpen(run->outputFolder, summary(*run, done));
}

std::string FolderConversion::summary(const Run& run, std::size_t done) const {
    std::string text = std::to_string(run.converted) + " of " + std::to_string(run.kits()) +
                       " kits converted into " + run.outputFolder;
    if (const std::size_t left = run.plan->jobs().size() - done; left > 0)
        text += "\nCancelled: " + std::to_string(left) + " kits were not converted.";
    if (run.failures.empty()) return text;

    text += "\n\nNot converted:";
    const std::size_t shown = std::min(run.failures.size(), kFailuresShown);
    for (std::size_t i = 0; i < shown; ++i) text += "\n" + run.failures[i];
    if (run.failures.size() > shown)
        text += "\nand " + std::to_string(run.failures.size() - shown) + " more";
    const std::string reportProblem = writeReport(run, done);
    text += reportProblem.empty() ? "\n\nThe whole list is in " +
                                        pathText(toPath(run.outputFolder) / kReportName) + "."
                                  : "\n\nThe whole list could not be written: " + reportProblem;
    return text;
}

std::string FolderConversion::writeReport(const Run& run, std::size_t done) const {
    std::string text = std::to_string(run.converted) + " of " + std::to_string(run.kits()) +
                       " kits converted into " + run.outputFolder + kLineEnd;
    if (const std::size_t left = run.plan->jobs().size() - done; left > 0)
        text += "Cancelled: " + std::to_string(left) + " kits were not converted." + kLineEnd;
    text += kLineEnd;
    for (const std::string& failure : run.failures) text += failure + kLineEnd;
    try {
        // Whole or not at all, and never over a device or a write-protected file.
        WriteTarget::examine(pathText(toPath(run.outputFolder) / kReportName))
            .write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    } catch (const FileAccessError& error) {
        return error.what();
    }
    return {};
}

void FolderConversion::offerToOpen(const std::string& folder, const std::string& text) {
    if (m_services.messageBoxes.show(text + "\n\nOpen the folder of the jerseys?", kTitle,
                                     MessageButtons::YesNo,
                                     MessageAnswer::Yes) != MessageAnswer::Yes) {
        return;
    }
    try {
        // The file manager may give up after the window is gone.
        const std::weak_ptr<bool> alive = m_alive;
        m_services.programStarter.showFolder(folder, [alive, this](const std::string& failure) {
            if (alive.lock()) showMessage(failure);
        });
    } catch (const ProgramStartError& error) {
        showMessage(error.what());
    }
}

void FolderConversion::showMessage(const std::string& text) {
    m_services.messageBoxes.show(text, kTitle);
}
