// The real message boxes: plain, without an icon.
#pragma once

#include "message_boxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const QString& text, const QString& title,
                       MessageButtons buttons, MessageAnswer defaultAnswer) override;
};
