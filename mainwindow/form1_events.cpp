// The main window's event procedures: start-up, load, save and the menu entries.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "conversion_error.h"
#include "conversion_table.h"
#include "entry_converter.h"
#include "file_access_error.h"
#include "file_presence.h"
#include "form1.h"
#include "form2.h"
#include "frm_about.h"
#include "jersey_file_check.h"
#include "kit_gaps.h"
#include "layout_failure.h"
#include "picture_box.h"
#include "program_own_files.h"
#include "regular_file.h"
#include "settings_file.h"
#include "skin_painting.h"
#include "skin_surface.h"
#include "source_archive.h"
#include "web_addresses.h"
#include "widget_layout_form.h"
#include "work_file_copy.h"
#include "work_file_layout.h"
#include "work_template_check.h"
#include "write_target.h"

namespace {
// Problems with the program's own files carry this title, those with the user's jerseys the other.
constexpr const char* kErrorTitle = "Error";
constexpr const char* kJerseyTitle = "Tavrimel";

constexpr const char* kWorkFile = "pk001.fsh";
constexpr const char* kPaletteFile = "fifa2k.pal";
constexpr const char* kDefaultSkin = "subzero.jpg";

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString fromNative(const std::string& path) { return QFile::decodeName(path.c_str()); }

// One local file, as a file manager drops it; the Load command's check says whether it is a kit.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || QFileInfo(url.toLocalFile()).isDir()) return {};
    return url.toLocalFile();
}
}  // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end: load once it has, not inside its handler.
    QTimer::singleShot(0, this, [this, path] { loadJersey(path); });
}

void Form1::Form_Load() {
    m_color64->setChecked(false);
    m_paletteBase = 191;
    setSaveEnabled(false);

    QString folder = fromNative(m_services.programLocation.programFolder());
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    m_text1->setText(folder);
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
        const Settings settings = SettingsFile(programFolder()).read();
        m_lastOpenPath = fromNative(settings.lastOpenPath);
        m_lastSavePath = fromNative(settings.lastSavePath);
    } catch (const SettingsFileError& error) {
        // Only the dialogs' starting points are lost: say so and start normally.
        showMessage(error.what(), kErrorTitle);
    }

    PaintDefaultSkin();
}

bool Form1::checkOwnFile(const char* fileName, const char* message, qint64 minimumLength) {
    const QString path = ownFile(fileName);
    if (isFilePresent(nativePath(path)) && QFileInfo(path).size() >= minimumLength) return true;
    showMessage(message, kErrorTitle);
    endProgram(1);
    return false;
}

bool Form1::checkWorkTemplate() {
    // A file of the right length that is no FIFA 2000 jersey (all zeros, another archive) would be
    // patched without complaint into a jersey the game cannot read.
    try {
        if (isWorkTemplate(
                readRegularFile(nativePath(ownFile(kWorkFile)), WorkFileCopy::kMaxWorkFileBytes)
                    .bytes))
            return true;
    } catch (const FileAccessError&) {
    }
    showMessage(WorkFileError::kMessage, kErrorTitle);
    endProgram(1);
    return false;
}

void Form1::Command1_Click() {
    repaint();  // fully drawn behind the dialog
    loadJersey(fromNative(m_services.fileDialogs.openFileName(nativePath(m_lastOpenPath))));
}

void Form1::loadJersey(const QString& chosen) {
    ClearPreviews();
    if (chosen.isEmpty()) return;

    // Remembered before the check, so a file that fails it is still the next dialog's start.
    m_lastOpenPath = chosen;
    writeSettings();

    if (CheckJerseyFile(chosen) != 0) {
        setSaveEnabled(false);
        return;
    }
    convertJersey(chosen);
}

std::int16_t Form1::CheckJerseyFile(const QString& path) {
    try {
        if (isFifa99JerseyFile(nativePath(path))) return 0;
        showMessage("Not a jersey file", kJerseyTitle);
    } catch (const JerseyFileError& error) {
        showMessage(error.what(), kJerseyTitle);
    }
    return 1;
}

void Form1::convertJersey(const QString& path) {
    setProgress(0);
    std::string failure;
    const char* title = kErrorTitle;
    bool fatal = false;
    try {
        const std::string sourcePath = nativePath(path);
        const KitGaps gaps = KitGaps::of(SourceArchive::open(sourcePath));
        if (gaps.listsNoJerseyPicture()) {
            // The header looks right but nothing in it is a jersey: there is nothing to convert.
            setSaveEnabled(false);
            showMessage("Not a jersey file: it holds none of the FIFA 99 jersey pictures",
                        kJerseyTitle);
            return;
        }
        for (const ConversionTarget& target : conversionTable()) {
            ConvertEntry(sourcePath, target.targetTag, *this);
        }
        setSaveEnabled(true);
        if (!gaps.damage.empty()) {
            // Converted all the same, as the game's own files are read; but the user should know
            // before saving that the black parts come from a file cut short.
            std::string text = "This kit is damaged: ";
            for (std::size_t i = 0; i < gaps.damage.size(); ++i)
                text += (i > 0 ? "; " : "") + gaps.damage[i];
            showMessage(text + ". What is missing was converted as black.", kJerseyTitle);
        }
        return;
    } catch (const PaletteFileError& error) {
        // Without a palette no jersey can be made: end as a failed start does.
        failure = error.what();
        fatal = true;
    } catch (const SourceFileError& error) {
        failure = error.what();
        title = kJerseyTitle;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    // The work file may now hold part of this jersey and part of the last: nothing to save.
    setSaveEnabled(false);
    showMessage(failure, title);
    if (fatal) endProgram(1);
}

void Form1::ClearPreviews() {
    for (PictureBox* picture : m_pictures) picture->clear();
}

void Form1::Command2_Click() {
    const QString target =
        fromNative(m_services.fileDialogs.saveFileName(nativePath(m_lastSavePath)));
    if (target.isEmpty()) return;

    // Remembered before the question, so a declined target is still the next dialog's start.
    m_lastSavePath = target;
    writeSettings();

    try {
        // Devices, FIFOs, folders, write-protected files and the program's own files are refused
        // before the question: overwriting them would not save a jersey, or would break the tool.
        const WriteTarget examined = WriteTarget::examine(nativePath(target));
        if (examined.exists()) {
            ProgramOwnFiles own;
            own.addFolder(programFolder());
            own.addFile(nativePath(QCoreApplication::applicationFilePath()));
            if (own.find(*examined.key())) {
                showMessage(
                    "Cannot write " + examined.path() + ": it is one of Vestrix's own files",
                    kJerseyTitle);
                return;
            }
        }
        std::error_code noSize;
        if (examined.exists() && std::filesystem::file_size(nativePath(target), noSize) != 0 &&
            m_services.messageBoxes.show("File Exists. Overwrite ?", kJerseyTitle,
                                         MessageButtons::YesNo,
                                         MessageAnswer::Yes) != MessageAnswer::Yes) {
            return;
        }
        WorkFileCopy::copyFile(nativePath(ownFile(kWorkFile)), examined);
    } catch (const FileAccessError& error) {
        showMessage(error.what(), kJerseyTitle);
        return;
    } catch (const WorkFileReadError& error) {
        showMessage(error.what(), kErrorTitle);
        return;
    } catch (const SaveError& error) {
        showMessage(error.what(), kJerseyTitle);
        return;
    }
    showMessage("Jersey Saved !", kJerseyTitle);
}

void Form1::color64_Click() {
    if (m_color64->isChecked()) {
        m_color64->setChecked(false);
        m_paletteBase = 191;
    } else {
        m_color64->setChecked(true);
        m_paletteBase = 0;
    }
}

void Form1::LoadSkinMenu_Click() {
    // One Skin Select at a time: while it is open the menu only brings it forward.
    if (m_form2 && m_form2->isVisible()) {
        m_form2->raise();
        m_form2->activateWindow();
        return;
    }
    delete m_form2;  // closed, its deletion still pending: it starts afresh all the same
    m_form2 = new Form2(*m_client, m_services.messageBoxes, m_services.urlOpener,
                        m_services.programLocation, this);
    m_form2->show();
}

void Form1::readme_menu_Click() {
    try {
        // The viewer may give up after this handler has ended; the window may be gone by then.
        QPointer<Form1> window(this);
        m_services.programStarter.showTextFile(nativePath(ownFile("readme.txt")),
                                               [window](const std::string& message) {
                                                   if (window)
                                                       window->showMessage(message, kErrorTitle);
                                               });
    } catch (const ProgramStartError& error) {
        showMessage(error.what(), kErrorTitle);
    }
}

void Form1::AboutMenu_Click() {
    // One About window: asked for again while it is open, the same one comes forward.
    if (!m_about) {
        m_about = new FrmAbout({m_services.registry, m_services.fileExistence,
                                m_services.programStarter, m_services.messageBoxes},
                               this);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::visitwebsiteMenu_Click() {
    m_services.urlOpener.openUrl(WebAddresses::kHomePage);
    // The window keeps its size, so this only records the layout and puts everything back.
    WidgetLayoutForm form(this);
    try {
        m_layoutScaler.ResizeForm(form);
    } catch (const LayoutFailure& error) {
        showMessage(error.what(), kErrorTitle);
    }
}

void Form1::ExitMenu_Click() { endProgram(0); }

void Form1::PaintDefaultSkin() {
    // The presence test leaves an empty subzero.jpg behind when there was none; Skin Select then
    // lists it, and choosing it says it cannot be found.
    const QString skin = ownFile(kDefaultSkin);
    if (!isFilePresent(nativePath(skin))) {
        showMessage("Can't find subzero.jpg", kErrorTitle);
        return;
    }
    SkinPainting::paintSkinFile(skin, *m_client, m_services.messageBoxes);
}

void Form1::writeSettings() {
    try {
        SettingsFile(programFolder())
            .write({nativePath(m_lastOpenPath), nativePath(m_lastSavePath)});
    } catch (const SettingsFileError& error) {
        // The file only remembers where the dialogs start: say once that it cannot, then carry
        // on loading and saving as usual.
        if (m_settingsFailureShown) return;
        m_settingsFailureShown = true;
        showMessage(error.what(), kErrorTitle);
    }
}

void Form1::setSaveEnabled(bool enabled) {
    m_command2->setEnabled(enabled);
    m_saveMenu->setEnabled(enabled);
}

QString Form1::ownFile(const char* fileName) const {
    return m_text1->text() + QString::fromLatin1(fileName);
}

void Form1::showMessage(const std::string& text, const char* title) {
    m_services.messageBoxes.show(text, title);
}

void Form1::endProgram(int status) {
    m_ended = true;
    m_services.programExit.exitNow(status);
}
