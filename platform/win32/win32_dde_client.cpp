// DDEML conversations with a browser's DDE server.
#include "platform/win32/win32_dde_client.h"

#include "platform/win32/win32_text.h"

namespace {
// A text box waits five seconds for its server's answer unless told otherwise.
constexpr DWORD kRequestTimeoutMs = 5000;

// A client only: nothing comes to it that needs an answer.
HDDEDATA CALLBACK ignoreTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return nullptr;
}
}  // namespace

Win32DdeClient::~Win32DdeClient() {
    disconnect();
    if (m_instance != 0) DdeUninitialize(m_instance);
}

void Win32DdeClient::disconnect() {
    if (m_conversation != nullptr) DdeDisconnect(m_conversation);
    m_conversation = nullptr;
}

HSZ Win32DdeClient::stringHandle(const std::string& text) {
    return DdeCreateStringHandleW(m_instance, wideText(text).c_str(), CP_WINUNICODE);
}

void Win32DdeClient::setLinkMode(int mode) {
    disconnect();
    if (mode == 0) return;
    if (mode != 2) {
        throw DdeError(DdeError::kRefused, "Link mode " + std::to_string(mode) + " not offered");
    }
    if (m_instance == 0 &&
        DdeInitializeW(&m_instance, ignoreTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
        m_instance = 0;
        throw DdeError(DdeError::kRefused, "DDE is not available");
    }
    const std::size_t bar = m_topic.find('|');
    const std::string application = m_topic.substr(0, bar);
    const std::string topic = bar == std::string::npos ? std::string() : m_topic.substr(bar + 1);
    // An empty name would be a wildcard and reach any server at all: nobody is named, nobody
    // answers.
    if (application.empty() || topic.empty()) {
        throw DdeError(DdeError::kNoServer, "No DDE server named in " + m_topic);
    }
    HSZ applicationHandle = stringHandle(application);
    HSZ topicHandle = stringHandle(topic);
    m_conversation = DdeConnect(m_instance, applicationHandle, topicHandle, nullptr);
    const UINT error = m_conversation == nullptr ? DdeGetLastError(m_instance) : DMLERR_NO_ERROR;
    DdeFreeStringHandle(m_instance, applicationHandle);
    DdeFreeStringHandle(m_instance, topicHandle);
    if (m_conversation == nullptr) {
        throw DdeError(
            error == DMLERR_NO_CONV_ESTABLISHED ? DdeError::kNoServer : DdeError::kRefused,
            "No DDE conversation with " + m_topic);
    }
}

void Win32DdeClient::linkRequest() {
    if (m_conversation == nullptr) throw DdeError(DdeError::kRefused, "No conversation is open");
    HSZ itemHandle = stringHandle(m_item);
    HDDEDATA answer = DdeClientTransaction(nullptr, 0, m_conversation, itemHandle, CF_TEXT,
                                           XTYP_REQUEST, kRequestTimeoutMs, nullptr);
    const UINT error = answer == nullptr ? DdeGetLastError(m_instance) : DMLERR_NO_ERROR;
    DdeFreeStringHandle(m_instance, itemHandle);
    if (answer == nullptr) {
        throw DdeError(error == DMLERR_DATAACKTIMEOUT ? DdeError::kTimeout : DdeError::kRefused,
                       "The DDE server did not answer the request for " + m_item);
    }
    // The browser's answer (its window id) is not needed.
    DdeFreeDataHandle(answer);
}

std::unique_ptr<DdeClient> createDdeClient() { return std::make_unique<Win32DdeClient>(); }
