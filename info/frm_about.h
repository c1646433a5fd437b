// The About window (frmAbout): its two buttons, free of any toolkit. Every text of the window is
// fixed; the window is a FrmAboutView.
#pragma once

#include "file_existence.h"
#include "frm_about_view.h"
#include "message_boxes.h"
#include "program_name_message_box.h"
#include "program_starter.h"
#include "registry.h"

/** What the window asks of the user and the operating system. */
struct AboutServices {
    Registry& registry;
    FileExistence& fileExistence;
    ProgramStarter& programStarter;
    MessageBoxes& messageBoxes;
};

class FrmAbout {
public:
    FrmAbout(FrmAboutView& view, const AboutServices& services);

    // Event procedures. Enter and Escape are cmdOK's: it is the default and the cancel button.
    void cmdOK_Click();
    void cmdSysInfo_Click();
    /** Starts the system information tool, or tells the user that there is none. */
    void StartSysInfo();

private:
    FrmAboutView& m_view;
    AboutServices m_services;
    ProgramNameMessageBox m_messageBox;
};
