// The About window's buttons.
#include "info/frm_about.h"

FrmAbout::FrmAbout(FrmAboutView& view, const AboutServices& services)
    : m_view(view), m_services(services) {}

void FrmAbout::cmdOK_Click() { m_view.unload(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::StartSysInfo() { m_services.systemInfo.start(); }
