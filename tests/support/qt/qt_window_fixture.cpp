// The Qt main window on the test's program folder.
#include "tests/support/qt/qt_window_fixture.h"

MainWindowServices QtWindowTest::services() {
    const MainWindowServices& fake = m_fake.services;
    return {fake.fileDialogs,     fake.messageBoxes, fake.programExit, fake.programStarter,
            fake.programLocation, fake.urlOpener,    m_skinReader,     fake.systemInfo};
}

std::unique_ptr<QtForm1> QtWindowTest::startWindow() {
    return std::make_unique<QtForm1>(services());
}
