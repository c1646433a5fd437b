// The main window's event procedures: start-up, load, save and the menu entries.
#include "mainwindow/form1.h"

#include <filesystem>
#include <optional>

#include "conversion/conversion_error.h"
#include "conversion/entry_converter.h"
#include "conversion/kit_gaps.h"
#include "conversion/memory_work_file.h"
#include "conversion/palette_file.h"
#include "conversion/source_archive.h"
#include "conversion/work_file_layout.h"
#include "conversion/work_template_check.h"
#include "info/web_addresses.h"
#include "layout/layout_failure.h"
#include "mainwindow/dropped_kit.h"
#include "mainwindow/settings_file.h"
#include "platform/common/file_presence.h"
#include "platform/common/path_text.h"
#include "platform/file_access_error.h"
#include "platform/program_own_files.h"
#include "platform/regular_file.h"
#include "platform/write_target.h"
#include "skins/skin_painting.h"

namespace fs = std::filesystem;

namespace {
// Problems with the program's own files carry this title, those with the user's jerseys the other.
constexpr const char* kErrorTitle = "Error";
constexpr const char* kJerseyTitle = "Tavrimel";

constexpr const char* kWorkFile = "pk001.fsh";
constexpr const char* kPaletteFile = "fifa2k.pal";
constexpr const char* kDefaultSkin = "subzero.jpg";
constexpr const char* kReadme = "readme.txt";
constexpr int kProgressStart = 0;
// A saved jersey goes to disk in pieces of at most this many bytes.
constexpr std::size_t kSavePieceBytes = 4000;
// A work file beyond this is not one the conversion made; it is refused rather than read.
constexpr std::uint64_t kMaxWorkFileBytes = 1 << 20;

std::uintmax_t fileSize(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(toPath(path), error);
    return error ? 0 : size;
}
}  // namespace

Form1::Form1(Form1View& view, const MainWindowServices& services)
    : m_view(view), m_services(services) {}

void Form1::Form_Load() {
    m_color64 = false;
    m_view.setChecked(Form1View::Control::color64, false);
    m_conversion.setColorMode(ColorMode::Normal);
    setSaveEnabled(false);

    std::string folder = m_services.programLocation.programFolder();
    const char separator = static_cast<char>(fs::path::preferred_separator);
    if (folder.empty() || (folder.back() != separator && folder.back() != '/')) folder += separator;
    m_programFolder = folder;
    m_view.setText(Form1View::Control::Text1, folder);
    // The folder could not be made or is damaged: say which and why, and end as a failed check.
    if (const std::string problem = m_services.programLocation.problem(); !problem.empty()) {
        showMessage(problem, kErrorTitle);
        endProgram(1);
        return;
    }

    // A work file too short for the nine pictures would be stretched by the first load instead of
    // patched: refuse it like a missing one.
    if (!checkOwnFile(kWorkFile, WorkFileError::kMessage, WorkFileLayout::kMinimumLength) ||
        !checkWorkTemplate() || !checkOwnFile(kPaletteFile, PaletteFileError::kMessage, 1)) {
        return;
    }

    try {
        const Settings settings = SettingsFile(m_programFolder).read();
        m_lastOpenPath = settings.lastOpenPath;
        m_lastSavePath = settings.lastSavePath;
    } catch (const SettingsFileError& error) {
        // Only the dialogs' starting points are lost: say so and start normally.
        showMessage(error.what(), kErrorTitle);
    }

    PaintDefaultSkin();
}

bool Form1::checkOwnFile(const char* fileName, const char* message, std::uintmax_t minimumLength) {
    const std::string path = ownFile(fileName);
    if (isPresentCreatingIfAbsent(path) && fileSize(path) >= minimumLength) return true;
    showMessage(message, kErrorTitle);
    endProgram(1);
    return false;
}

bool Form1::checkWorkTemplate() {
    // A file of the right length that is no FIFA 2000 jersey (all zeros, another archive) would be
    // patched without complaint into a jersey the game cannot read.
    try {
        if (isWorkTemplate(readRegularFile(ownFile(kWorkFile), kMaxWorkFileBytes).bytes))
            return true;
    } catch (const FileAccessError&) {
    }
    showMessage(WorkFileError::kMessage, kErrorTitle);
    endProgram(1);
    return false;
}

void Form1::Command1_Click() {
    m_view.repaintNow();  // fully drawn behind the dialog
    loadJersey(m_services.fileDialogs.openFileName(m_lastOpenPath));
}

void Form1::loadJersey(const std::string& chosen) {
    ClearPreviews();
    if (chosen.empty()) return;

    // Remembered before the check, so a file that fails it is still the next dialog's start.
    m_lastOpenPath = chosen;
    writeSettings();

    // The kit is read once, here: the check and all nine pictures see the same bytes, even if the
    // file is replaced while the load runs.
    std::optional<SourceArchive> kit;
    try {
        kit.emplace(SourceArchive::open(chosen));
    } catch (const SourceFileError& error) {
        forgetJersey();
        showMessage(error.what(), kJerseyTitle);
        return;
    }
    if (CheckJerseyFile(*kit) != 0) {
        forgetJersey();
        return;
    }
    convertJersey(*kit);
}

std::int16_t Form1::CheckJerseyFile(const SourceArchive& kit) {
    if (kit.isFifa99Jersey()) return 0;
    showMessage("Not a jersey file", kJerseyTitle);
    return 1;
}

void Form1::convertJersey(const SourceArchive& kit) {
    m_conversion.setProgress(kProgressStart);
    std::string failure;
    bool fatal = false;
    try {
        const KitGaps gaps = KitGaps::of(kit);
        if (gaps.listsNoJerseyPicture()) {
            // The header looks right but nothing in it is a jersey: there is nothing to convert.
            forgetJersey();
            showMessage("Not a jersey file: it holds none of the FIFA 99 jersey pictures",
                        kJerseyTitle);
            return;
        }
        // Pictures the kit lacks keep what the work file holds: the last load's, or the template's.
        const std::string workPath = ownFile(kWorkFile);
        RegularFile workFile;
        try {
            workFile = readRegularFile(workPath, kMaxWorkFileBytes);
        } catch (const FileAccessError&) {
            throw WorkFileError();
        }
        MemoryWorkFile work(std::move(workFile.bytes));
        // The palette file is read only when the kit has a front picture to build the palette.
        ConvertJersey(
            kit, work, [palette = ownFile(kPaletteFile)] { return LoadPaletteFile(palette); },
            m_conversion);
        // Written once, whole: a load that fails before this line leaves the file as it was.
        WriteTarget::examine(workPath).write(work.bytes());
        m_converted = work.bytes();
        setSaveEnabled(true);
        if (!gaps.damage.empty()) {
            // Converted all the same, as the game's own files are read; but the user should know
            // before saving that the black parts come from a file cut short.
            std::string text = "This kit is damaged: ";
            for (std::size_t i = 0; i < gaps.damage.size(); ++i) {
                if (i > 0) text += "; ";
                text += gaps.damage[i];
            }
            showMessage(text + ". What is missing was converted as black.", kJerseyTitle);
        }
        return;
    } catch (const PaletteFileError& error) {
        // Without a palette no jersey can be made: end as a failed start does.
        failure = error.what();
        fatal = true;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    // The work file is as the last load left it, but this window no longer shows that jersey.
    forgetJersey();
    showMessage(failure, kErrorTitle);
    if (fatal) endProgram(1);
}

void Form1::ClearPreviews() {
    for (int index = 0; index < ConversionHost::kPreviewCount; ++index) m_view.clearPreview(index);
}

void Form1::Command2_Click() {
    const std::string target = m_services.fileDialogs.saveFileName(m_lastSavePath);
    if (target.empty()) return;

    // Remembered before the question, so a declined target is still the next dialog's start.
    m_lastSavePath = target;
    writeSettings();
    saveJersey(target);
}

void Form1::saveJersey(const std::string& target) {
    try {
        // Devices, FIFOs, folders, write-protected files and the program's own files are refused
        // before the question: overwriting them would not save a jersey, or would break the tool.
        const WriteTarget examined = WriteTarget::examine(target);
        if (examined.exists()) {
            // The converter's list, so an installation's bin/ and share/vestrix are refused too.
            ProgramOwnFiles own = ProgramOwnFiles::of(m_services.programLocation.locations());
            own.addFolder(m_programFolder);
            if (own.find(*examined.key())) {
                showMessage("Cannot write " + target + ": it is one of Vestrix's own files",
                            kJerseyTitle);
                return;
            }
        }
        if (examined.exists() && fileSize(target) != 0 &&
            m_services.messageBoxes.show("File Exists. Overwrite ?", kJerseyTitle,
                                         MessageButtons::YesNo,
                                         MessageAnswer::Yes) != MessageAnswer::Yes) {
            return;
        }
        // This window's jersey, not pk001.fsh as it is now: another window on the same program
        // folder may have loaded a different kit into it since.
        examined.write(m_converted, kSavePieceBytes);
    } catch (const FileAccessError& error) {
        showMessage(error.what(), kJerseyTitle);
        return;
    }
    showMessage("Jersey Saved !", kJerseyTitle);
}

void Form1::ConvertFolderMenu_Click() {
    if (m_folders.isRunning()) return;
    m_view.repaintNow();  // fully drawn behind the picker
    m_folders.convertChosenFolder(folderRequest());
}

void Form1::CancelFolder_Click() { m_folders.cancel(); }

void Form1::filesDropped(const std::vector<std::string>& paths) {
    if (m_folders.isRunning()) return;
    if (const std::string kit = droppedKit(paths); !kit.empty()) {
        loadJersey(kit);
        return;
    }
    m_folders.convertDropped(droppedCollection(paths), folderRequest());
}

FolderConversion::Request Form1::folderRequest() const {
    FolderConversion::Request request;
    request.colorMode = m_color64 ? ColorMode::SixtyFourColors : ColorMode::Normal;
    request.program = m_services.programLocation.locations();
    request.program.folders.push_back(m_programFolder);
    // The pickers start where the user last loaded and saved single kits.
    auto folderOf = [](const std::string& path) {
        return path.empty() ? std::string() : pathText(toPath(path).parent_path());
    };
    request.kitFolderHint = folderOf(m_lastOpenPath);
    request.jerseyFolderHint = folderOf(m_lastSavePath);
    return request;
}

void Form1::color64_Click() {
    m_color64 = !m_color64;
    m_conversion.setColorMode(m_color64 ? ColorMode::SixtyFourColors : ColorMode::Normal);
    m_view.setChecked(Form1View::Control::color64, m_color64);
}

void Form1::LoadSkinMenu_Click() { showOnce(Form1View::Companion::SkinSelect); }

void Form1::readme_menu_Click() {
    try {
        // The viewer may give up after this handler has ended; the window may be gone by then.
        const std::weak_ptr<bool> alive = m_alive;
        m_services.programStarter.showTextFile(ownFile(kReadme),
                                               [alive, this](const std::string& message) {
                                                   if (alive.lock())
                                                       showMessage(message, kErrorTitle);
                                               });
    } catch (const ProgramStartError& error) {
        showMessage(error.what(), kErrorTitle);
    }
}

void Form1::AboutMenu_Click() { showOnce(Form1View::Companion::About); }

void Form1::showOnce(Form1View::Companion window) {
    // One at a time: asked for again while it is open, the same window comes forward, with what
    // the user chose in it.
    if (!m_view.isOpen(window)) m_view.open(window);
    m_view.bringForward(window);
}

void Form1::visitwebsiteMenu_Click() {
    m_services.urlOpener.openUrl(WebAddresses::kHomePage);
    // The window keeps its size, so this only records the layout and puts everything back.
    try {
        m_layoutScaler.ResizeForm(m_view.layoutForm());
    } catch (const LayoutFailure& error) {
        showMessage(error.what(), kErrorTitle);
    }
}

void Form1::ExitMenu_Click() { endProgram(0); }

void Form1::PaintDefaultSkin() {
    // The presence test leaves an empty subzero.jpg behind when there was none; Skin Select then
    // lists it, and choosing it says it cannot be found.
    const std::string skin = ownFile(kDefaultSkin);
    if (!isPresentCreatingIfAbsent(skin)) {
        showMessage("Can't find subzero.jpg", kErrorTitle);
        return;
    }
    SkinPainting::paintSkinFile(skin, m_services.skinReader, m_view.background(),
                                m_services.messageBoxes);
}

void Form1::writeSettings() {
    try {
        SettingsFile(m_programFolder).write({m_lastOpenPath, m_lastSavePath});
    } catch (const SettingsFileError& error) {
        // The file only remembers where the dialogs start: say once that it cannot, then carry
        // on loading and saving as usual.
        if (m_settingsFailureShown) return;
        m_settingsFailureShown = true;
        showMessage(error.what(), kErrorTitle);
    }
}

void Form1::forgetJersey() {
    m_converted.clear();
    setSaveEnabled(false);
}

void Form1::setSaveEnabled(bool enabled) {
    m_view.setEnabled(Form1View::Control::Command2, enabled);
    m_view.setEnabled(Form1View::Control::Savefifa2000menu, enabled);
}

void Form1::setCommandsEnabled(bool enabled) {
    using Control = Form1View::Control;
    for (const Control control :
         {Control::Command1, Control::openfifa99menu, Control::ConvertFolderMenu, Control::color64,
          Control::LoadSkinMenu, Control::ExitMenu}) {
        m_view.setEnabled(control, enabled);
    }
    // Save comes back only with a jersey to save.
    setSaveEnabled(enabled && !m_converted.empty());
}

void Form1::showMessage(const std::string& text, const char* title) {
    m_services.messageBoxes.show(text, title);
}

void Form1::endProgram(int status) {
    m_ended = true;
    m_services.programExit.exitNow(status);
}
