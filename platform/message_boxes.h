// Plain message boxes (no icon), behind an interface so that tests can answer them.
#pragma once

#include <string>

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

/**
 * Texts are in the system's encoding (they often name files). A box stands over whichever of
 * the program's windows the user is working in: the toolkit's implementation picks it.
 */
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /** Shows text under title, modal, and returns the button pressed; closing a Yes/No box is No.
     */
    virtual MessageAnswer show(const std::string& text, const std::string& title,
                               MessageButtons buttons = MessageButtons::Ok,
                               MessageAnswer defaultAnswer = MessageAnswer::Ok) = 0;
};
