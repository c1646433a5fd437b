// The About window: the product's name and version, credits, a notice, and the System Info
// button that starts the system information tool.
#pragma once

#include <QDialog>
#include <memory>

#include "file_existence.h"
#include "message_boxes.h"
#include "program_name_message_box.h"
#include "program_starter.h"
#include "registry.h"

class QPushButton;

/** What the window asks of the user and the operating system. */
struct AboutServices {
    Registry& registry;
    FileExistence& fileExistence;
    ProgramStarter& programStarter;
    MessageBoxes& messageBoxes;
};

/**
 * Modeless, fixed in size and place, closed by OK, Enter, Escape or its close box (and then
 * deleted). The main window keeps one and shows it again while it is open.
 */
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(const AboutServices& services, QWidget* parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    /** Starts the system information tool, or tells the user that there is none. */
    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();

    AboutServices m_services;
    ProgramNameMessageBox m_messageBox;
    QPushButton* m_cmdOK = nullptr;
};
