// Message boxes that record what they show and answer questions from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

struct ShownMessage {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageAnswer defaultAnswer;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageAnswer defaultAnswer) override;

    /** Answers to Yes/No questions, in order; a question nobody scripted fails the test. */
    std::deque<MessageAnswer> answers;
    std::vector<ShownMessage> shown;
    std::vector<std::string> texts() const;
};
