// A plain message box with an OK button and no title of its own (it shows the program's name),
// behind an interface without Qt so that code built without Qt can tell the user something.
#pragma once

#include <string>

class PlainMessageBox {
public:
    virtual ~PlainMessageBox() = default;
    /** Shows text (UTF-8) and returns once the user has closed the box. */
    virtual void show(const std::string& text) = 0;
};
