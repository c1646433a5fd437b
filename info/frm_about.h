// The About window (frmAbout): its two buttons, free of any toolkit. Every text of the window is
// fixed; the window is a FrmAboutView.
#pragma once

#include "info/frm_about_view.h"
#include "platform/system_info_tool.h"

/** What the window asks of the operating system. */
struct AboutServices {
    SystemInfoTool& systemInfo;
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
};
