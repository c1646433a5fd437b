// Web addresses on a Linux desktop: handed to xdg-open, which picks the user's browser.
#pragma once

#include "platform/url_opener.h"

class DesktopUrlOpener : public UrlOpener {
public:
    DesktopUrlOpener(ProgramStarter& starter, PlainMessageBox& messageBox)
        : m_starter(starter), m_messageBox(messageBox) {}

    /**
     * An xdg-open that cannot be started gives the browser failure message at once; one that
     * finds no browser is heard of later, in its own words.
     */
    void openUrl(const std::string& address) override;

private:
    ProgramStarter& m_starter;
    PlainMessageBox& m_messageBox;
};
