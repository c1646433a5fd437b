// A web-page opener that records the addresses it was given.
#pragma once

#include <vector>

#include "platform/url_opener.h"

class FakeUrlOpener : public UrlOpener {
public:
    void openUrl(const std::string& address) override { addresses.push_back(address); }
    std::vector<std::string> addresses;
};
