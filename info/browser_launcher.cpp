// The browser launcher: registry reads, the DDE conversation and its retries, or the shell's
// opening where no browser listens for DDE.
#include "info/browser_launcher.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>

#include "platform/registry_error.h"
#include "platform/registry_key_closer.h"

namespace {
constexpr std::uint32_t kBufferSize = 256;
// After the browser was started it gets six more chances to answer, one right after another.
constexpr std::int16_t kLastRetry = 5;

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}
}  // namespace

std::string ReadRegistryString(Registry& registry, RegistryRoot root, const std::string& subKey,
                               const std::string& valueName) {
    RegistryKey key = 0;
    if (registry.openKey(root, subKey, 0, RegistryAccess::kRead, key) != RegistryResult::kSuccess)
        return {};
    const RegistryKeyCloser closer(registry, key);

    std::array<std::uint8_t, kBufferSize> buffer{};
    std::uint32_t length = kBufferSize;
    std::uint32_t type = RegistryType::kNone;
    if (registry.queryValue(key, valueName, type, buffer, length) != RegistryResult::kSuccess ||
        type != RegistryType::kString) {
        return {};
    }
    if (length == 0) throw RegistryError("The registry value " + subKey + " holds no data");
    // The data ends in its terminating zero byte.
    const std::size_t textLength = std::min<std::size_t>(length - 1, kBufferSize);
    return std::string(reinterpret_cast<const char*>(buffer.data()), textLength);
}

void OpenUrl(const std::string& url, const BrowserLauncherServices& services) {
    std::int16_t retryCount = 0;
    std::string browserCommand;

    // Carries out one step of the conversation. When no browser answers, the first time its
    // command is started, as registered, and the step is tried again; each later time the step
    // is simply tried again, until the last chance is used up.
    const auto attempt = [&](const std::function<void()>& step) {
        for (;;) {
            try {
                step();
                return;
            } catch (const DdeError& error) {
                if (error.number() != DdeError::kNoServer) throw;
                if (retryCount == 0) {
                    services.programStarter.startCommandLine(browserCommand);
                    retryCount = 1;
                } else if (retryCount <= kLastRetry) {
                    ++retryCount;
                } else {
                    throw std::runtime_error("The browser does not answer");
                }
            }
        }
    };

    try {
        const std::string http = "http\\shell\\open\\";
        browserCommand =
            ReadRegistryString(services.registry, RegistryRoot::ClassesRoot, http + "command", "");
        const std::string application = upperCase(ReadRegistryString(
            services.registry, RegistryRoot::ClassesRoot, http + "ddeexec\\Application", ""));
        PlainMessageBox* box = &services.messageBox;
        const auto reportLater = [box](const std::string& failure) { box->show(failure); };
        if (application.empty()) {
            // Today's browsers listen for no DDE conversation and register a command that takes
            // the address in place of its "%1". The shell's own opening fills that in; starting
            // the command as it stands would show the user a page named "%1".
            services.programStarter.showWebPage(url, reportLater);
            return;
        }
        const std::string topic = ReadRegistryString(services.registry, RegistryRoot::ClassesRoot,
                                                     http + "ddeexec\\Topic", "");
        // The browser's item is "address,,window"; -1 asks for its last active window.
        const std::string item = url + ",,-1";

        DdeClient& dde = services.ddeClient;
        attempt([&] { dde.setLinkTopic(application + "|" + topic); });
        attempt([&] { dde.setLinkItem(item); });
        attempt([&] { dde.setLinkMode(2); });
        attempt([&] { dde.linkRequest(); });
    } catch (const std::exception&) {
        // A failed start of the browser's command, or of the shell's opening, ends here too:
        // nothing more can be tried.
        services.messageBox.show(kBrowserFailureMessage);
    }
}

BrowserLauncher::BrowserLauncher(ProgramStarter& starter, PlainMessageBox& messageBox)
    : m_registry(createRegistry()),
      m_ddeClient(createDdeClient()),
      m_services{*m_registry, *m_ddeClient, starter, messageBox} {}

void BrowserLauncher::openUrl(const std::string& address) { OpenUrl(address, m_services); }

std::unique_ptr<UrlOpener> createUrlOpener(ProgramStarter& starter, PlainMessageBox& messageBox) {
    return std::make_unique<BrowserLauncher>(starter, messageBox);
}
