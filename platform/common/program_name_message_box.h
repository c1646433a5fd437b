// The plain message box of code that has no title of its own: an OK box titled with the program's
// name, shown through the program's message boxes.
#pragma once

#include "platform/message_boxes.h"
#include "platform/plain_message_box.h"

class ProgramNameMessageBox : public PlainMessageBox {
public:
    static constexpr const char* kTitle = "Vestrix";

    explicit ProgramNameMessageBox(MessageBoxes& boxes) : m_boxes(boxes) {}
    void show(const std::string& text) override { m_boxes.show(text, kTitle); }

private:
    MessageBoxes& m_boxes;
};
