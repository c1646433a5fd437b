// Hands a web address to the user's browser. The program's opener is the browser launcher;
// the tests' one records the addresses.
#pragma once

#include <string>

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void openUrl(const std::string& address) = 0;
};
