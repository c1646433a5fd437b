// Plain message boxes (no icon), behind an interface so that tests can answer them.
#pragma once

#include <QString>

class QWidget;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /** Shows text under title, modal, and returns the button pressed; closing a Yes/No box is No.
     */
    virtual MessageAnswer show(QWidget* parent, const QString& text, const QString& title,
                               MessageButtons buttons = MessageButtons::Ok,
                               MessageAnswer defaultAnswer = MessageAnswer::Ok) = 0;
};
