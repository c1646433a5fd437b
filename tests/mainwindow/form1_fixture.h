// The main window's logic on a temporary program folder, with a scripted view.
#pragma once

#include <memory>

#include "mainwindow/form1.h"
#include "tests/mainwindow/fake_form1_view.h"
#include "tests/support/program_folder_fixture.h"

class Form1Test : public ProgramFolderTest {
protected:
    /** The window's start-up on the folder; it may have ended the program. */
    std::unique_ptr<Form1> startWindow() {
        auto window = std::make_unique<Form1>(m_view, m_fake.services);
        window->Form_Load();
        return window;
    }
    /** Starts the window and loads a jersey through Command1; expects no message. */
    std::unique_ptr<Form1> startAndLoad(const std::string& jerseyPath) {
        auto window = startWindow();
        m_fake.dialogs.openAnswers.push_back(jerseyPath);
        window->Command1_Click();
        EXPECT_TRUE(m_fake.messages.shown.empty()) << m_fake.messages.shown.front().text;
        return window;
    }

    FakeForm1View m_view;
};
