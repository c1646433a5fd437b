// The program folder fixture with the main window drawn by Qt, its skins decoded by Qt.
#pragma once

#include <memory>

#include "mainwindow/qt/qt_form1.h"
#include "skins/qt/qt_skin_picture_reader.h"
#include "tests/support/program_folder_fixture.h"

class QtWindowTest : public ProgramFolderTest {
protected:
    /** The fakes, with Qt's own picture reader: the window's skins are real pictures here. */
    MainWindowServices services();
    /** The window, started on the folder; the start-up may have ended it. */
    std::unique_ptr<QtForm1> startWindow();

    QtSkinPictureReader m_skinReader;
};
