// The real message boxes on Windows: MessageBoxA without an icon, over the window in use.
#pragma once

#include "platform/message_boxes.h"

class Win32MessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageAnswer defaultAnswer) override;
};
