// The scripted DDE client.
#include "tests/platform/fake_dde_client.h"

void FakeDdeClient::setLinkMode(int mode) {
    m_log.push_back("mode " + std::to_string(mode));
    int error = linkModeErrorWhenScriptEnds;
    if (!linkModeErrors.empty()) {
        error = linkModeErrors.front();
        linkModeErrors.pop_front();
    }
    if (error != 0) throw DdeError(error, "scripted failure");
}

void FakeDdeClient::linkRequest() {
    m_log.push_back("request");
    if (requestError != 0) throw DdeError(requestError, "scripted failure");
}
