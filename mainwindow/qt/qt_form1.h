// The main window drawn by Qt: the two buttons, the eight preview boxes, the progress bar, the
// menus, and the background the skins are painted on.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <thread>

#include "mainwindow/form1.h"
#include "mainwindow/form1_design.h"

class QAction;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class PictureBox;
class QtForm2;
class QtFrmAbout;
class QtSkinSurface;
class WidgetLayoutForm;

/**
 * Builds the controls where the window's design puts them, hands every click, key and menu
 * entry to the logic, and draws what the logic asks. The logic's start-up runs in the
 * constructor; when it ends the program the window must not be shown.
 */
class QtForm1 : public QMainWindow, private Form1View {
    Q_OBJECT
public:
    explicit QtForm1(const MainWindowServices& services, QWidget* parent = nullptr);
    ~QtForm1() override;

    Form1& logic() { return m_logic; }
    PictureBox& picture(int index) { return *m_pictures.at(static_cast<std::size_t>(index)); }
    /** The client area, whose background carries the skins. */
    QtSkinSurface& skinSurface() { return *m_client; }

protected:
    // A kit dropped on the window from a file manager is loaded as if it had been opened.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A folder being converted stops between two kits when the window closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void place(QWidget* widget, const Form1Design::Control& control);
    QPushButton* addButton(const Form1Design::Control& control);
    QLineEdit* addHiddenTextBox(const Form1Design::Control& control);
    void addMenuEntry(QMenu* menu, const Form1Design::MenuEntry& entry);

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
    void repaintNow() override { repaint(); }
    bool isOpen(Companion window) override;
    void open(Companion window) override;
    void bringForward(Companion window) override;
    LayoutForm& layoutForm() override;
    void runInBackground(std::function<void()> work) override;
    void postToWindow(std::function<void()> task) override;
    /** Cancels a folder conversion and waits for its thread. */
    void endBackgroundWork();

    MainWindowServices m_services;
    QElapsedTimer m_progressPainted;
    std::unique_ptr<WidgetLayoutForm> m_layoutForm;

    QtSkinSurface* m_client = nullptr;
    /** Skin Select while it is open; it deletes itself when closed. */
    QPointer<QtForm2> m_form2;
    QPointer<QtFrmAbout> m_about;  // while the About window is open
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_cancelFolder = nullptr;
    std::array<PictureBox*, ConversionHost::kPreviewCount> m_pictures{};
    QProgressBar* m_progressBar1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QAction* m_color64 = nullptr;
    /** A folder conversion's; joined before the logic goes. */
    std::thread m_worker;
    Form1 m_logic;  // last: it talks to the controls above
};
