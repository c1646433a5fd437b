// A plain message box with an OK button and no title of its own (it shows the program's name),
// for code that has nothing else to say to the user: the browser launcher, System Info.
#pragma once

#include <string>

class PlainMessageBox {
public:
    virtual ~PlainMessageBox() = default;
    /** Shows text (in the system's encoding) and returns once the user has closed the box. */
    virtual void show(const std::string& text) = 0;
};
