// The platform's services, made once for either program.
#include "mainwindow/program_services.h"

ProgramServices::ProgramServices(const ToolkitServices& toolkit)
    : m_programStarter(createProgramStarter()),
      m_plainMessages(toolkit.messageBoxes),
      m_urlOpener(createUrlOpener(*m_programStarter, m_plainMessages)),
      m_systemInfo(createSystemInfoTool(*m_programStarter, m_plainMessages)),
      m_mainWindow{
          toolkit.fileDialogs,     toolkit.messageBoxes, toolkit.programExit, *m_programStarter,
          toolkit.programLocation, *m_urlOpener,         toolkit.skinReader,  *m_systemInfo} {}
