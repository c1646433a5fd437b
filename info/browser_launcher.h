// The browser launcher (the URL module), Windows' way of opening a web page in the user's browser.
// The registry names the browser's command and the DDE application and topic it listens under; the
// address goes over a DDE conversation, and a browser that is not running is started once and given
// a few chances. Where no DDE application is registered (every browser of today), the shell's own
// opening is given the address instead. Built for Windows only.
#pragma once

#include <memory>
#include <string>

#include "platform/dde_client.h"
#include "platform/plain_message_box.h"
#include "platform/program_starter.h"
#include "platform/registry.h"
#include "platform/url_opener.h"

struct BrowserLauncherServices {
    Registry& registry;
    DdeClient& ddeClient;
    ProgramStarter& programStarter;
    PlainMessageBox& messageBox;
};

/**
 * Opens url in the browser: over DDE where the registry names a DDE application for http,
 * otherwise through programStarter's showWebPage. Never fails to its caller: every failure ends
 * in the message "Fatal error while communicating to browser" and a normal return. An opener
 * that takes the address and fails only later, as the starter reports it, is told in messageBox
 * then.
 */
void OpenUrl(const std::string& url, const BrowserLauncherServices& services);

/**
 * The string data of one value (empty valueName: the key's default value), or empty text when
 * the key or value is missing, is no REG_SZ or is longer than 255 bytes. Throws RegistryError
 * for a REG_SZ stored with no data at all.
 */
std::string ReadRegistryString(Registry& registry, RegistryRoot root, const std::string& subKey,
                               const std::string& valueName);

/** Windows' web-page opener: the main window's and Skin Select's links go to OpenUrl. */
class BrowserLauncher : public UrlOpener {
public:
    /** With the system's registry and DDE client; starter and messageBox must outlive it. */
    BrowserLauncher(ProgramStarter& starter, PlainMessageBox& messageBox);
    void openUrl(const std::string& address) override;

private:
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<DdeClient> m_ddeClient;
    BrowserLauncherServices m_services;
};
