// The desktop's stand-in for a browser's DDE server: xdg-open.
#include "desktop_dde_client.h"

#include <string_view>

#include "path_lookup.h"
#include "program_starter.h"

namespace {
// The browser's item is "address,,window": -1 asks for the last active window.
constexpr std::string_view kItemTail = ",,-1";
}  // namespace

void DesktopDdeClient::setLinkMode(int mode) {
    m_opener.clear();
    if (mode == 0) return;
    if (mode != 2) {
        throw DdeError(DdeError::kRefused, "Link mode " + std::to_string(mode) + " not offered");
    }
    m_opener = findProgramOnPath("xdg-open");
    if (m_opener.empty()) {
        throw DdeError(DdeError::kNoServer, "Nobody answers the link topic " + m_topic);
    }
}

void DesktopDdeClient::linkRequest(const LaterFailure& onLaterFailure) {
    if (m_opener.empty()) throw DdeError(DdeError::kRefused, "No conversation is open");
    const std::string_view item(m_item);
    if (item.size() <= kItemTail.size() || !item.ends_with(kItemTail)) {
        throw DdeError(DdeError::kRefused, "Not a web address item: " + m_item);
    }
    const std::string address(item.substr(0, item.size() - kItemTail.size()));
    try {
        m_starter.showWebPage(address, onLaterFailure);
    } catch (const ProgramStartError& error) {
        throw DdeError(DdeError::kRefused, error.what());
    }
}

std::unique_ptr<DdeClient> createDdeClient(ProgramStarter& starter) {
    return std::make_unique<DesktopDdeClient>(starter);
}
