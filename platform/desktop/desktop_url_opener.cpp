// Opening web addresses through the desktop's own opener.
#include "platform/desktop/desktop_url_opener.h"

#include "platform/plain_message_box.h"
#include "platform/program_starter.h"

void DesktopUrlOpener::openUrl(const std::string& address) {
    PlainMessageBox* box = &m_messageBox;
    try {
        m_starter.showWebPage(address, [box](const std::string& failure) { box->show(failure); });
    } catch (const std::exception&) {
        m_messageBox.show(kBrowserFailureMessage);
    }
}

std::unique_ptr<UrlOpener> createUrlOpener(ProgramStarter& starter, PlainMessageBox& messageBox) {
    return std::make_unique<DesktopUrlOpener>(starter, messageBox);
}
