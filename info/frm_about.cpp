// The About window's buttons.
#include "frm_about.h"

#include "system_info.h"

FrmAbout::FrmAbout(FrmAboutView& view, const AboutServices& services)
    : m_view(view), m_services(services), m_messageBox(services.messageBoxes) {}

void FrmAbout::cmdOK_Click() { m_view.unload(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::StartSysInfo() {
    ::StartSysInfo(
        {m_services.registry, m_services.fileExistence, m_services.programStarter, m_messageBox});
}
