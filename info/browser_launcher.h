// The program's web-page opener: the main window's and Skin Select's links go to OpenUrl.
#pragma once

#include "url.h"
#include "url_opener.h"

class BrowserLauncher : public UrlOpener {
public:
    explicit BrowserLauncher(const BrowserLauncherServices& services) : m_services(services) {}
    void openUrl(const std::string& address) override { OpenUrl(address, m_services); }

private:
    BrowserLauncherServices m_services;
};
