// The real message boxes: plain, without an icon, over the window the user is working in.
#pragma once

#include "platform/message_boxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageAnswer defaultAnswer) override;
};
