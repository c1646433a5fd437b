// The main window: load a FIFA 99 jersey, watch the previews, save the FIFA 2000 jersey.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>

#include "conversion_host.h"
#include "layout_scaler.h"
#include "main_window_services.h"

class QAction;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class FrmAbout;
class PictureBox;
class Form2;
class SkinSurface;

/**
 * The event procedures keep the names the window's controls give them (Command1_Click is the
 * "Load FIFA99 Jersey" button), so a control, its objectName and its handler read alike.
 */
class Form1 : public QMainWindow, public ConversionHost {
    Q_OBJECT
public:
    /** Runs the start-up checks; when they end the program the window must not be shown. */
    explicit Form1(const MainWindowServices& services, QWidget* parent = nullptr);
    ~Form1() override;

    /** False once the program was told to end (start-up check failed, Exit, bad palette). */
    bool isRunning() const { return !m_ended; }

    const QString& lastOpenPath() const { return m_lastOpenPath; }
    const QString& lastSavePath() const { return m_lastSavePath; }
    /** The window's reference layout, recorded by the first "Visit Our Website". */
    const LayoutScaler& layoutScaler() const { return m_layoutScaler; }
    PictureBox& picture(int index) { return *m_pictures.at(static_cast<std::size_t>(index)); }

    // What the conversion asks of its host.
    std::string programFolder() const override;
    std::int16_t paletteBase() const override { return m_paletteBase; }
    PreviewSurface& preview(int index) override;
    int progress() const override;
    void setProgress(int value) override;

    // Event procedures.
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
    void loadJersey(const QString& path);

    /** 0 when path is a FIFA 99 jersey file; otherwise tells the user and returns 1. */
    std::int16_t CheckJerseyFile(const QString& path);
    void ClearPreviews();
    /** Paints subzero.jpg from the program folder on the window's background. */
    void PaintDefaultSkin();

    /** The client area, whose background carries the skins. */
    SkinSurface& skinSurface() { return *m_client; }

protected:
    // A kit dropped on the window from a file manager is loaded as if it had been opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QAction* addMenuEntry(QMenu* menu, const QString& caption, const QString& name,
                          const QKeySequence& shortcut, void (Form1::*handler)());

    void Form_Load();
    /** Presence test plus the length the conversion needs; shows the message and ends if absent. */
    bool checkOwnFile(const char* fileName, const char* message, qint64 minimumLength);
    /** The work file must be laid out as a FIFA 2000 jersey; otherwise as checkOwnFile. */
    bool checkWorkTemplate();
    void convertJersey(const QString& path);
    /** Remembers the dialogs' paths; a failure is told once and does not stop the command. */
    void writeSettings();
    void setSaveEnabled(bool enabled);
    QString ownFile(const char* fileName) const;
    void showMessage(const std::string& text, const char* title);
    void endProgram(int status);

    MainWindowServices m_services;
    QString m_lastOpenPath;
    QString m_lastSavePath;
    std::int16_t m_paletteBase = 191;
    bool m_ended = false;
    bool m_settingsFailureShown = false;
    QElapsedTimer m_progressPainted;
    LayoutScaler m_layoutScaler;

    SkinSurface* m_client = nullptr;
    /** Skin Select while it is open; it deletes itself when closed. */
    QPointer<Form2> m_form2;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    std::array<PictureBox*, kPreviewCount> m_pictures{};
    QProgressBar* m_progressBar1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_ddeText = nullptr;
    QAction* m_openMenu = nullptr;
    QAction* m_saveMenu = nullptr;
    QAction* m_color64 = nullptr;
    QPointer<FrmAbout> m_about;  // while the About window is open
};
