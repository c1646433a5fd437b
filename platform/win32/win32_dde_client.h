// The DDE client on Windows through DDEML: a conversation with the application and topic of the
// link topic, and XTYP_REQUEST transactions for the item in CF_TEXT.
#pragma once

// windows.h brings DDEML along (ddeml.h needs windows.h first).
#include <windows.h>

#include "platform/dde_client.h"

class Win32DdeClient : public DdeClient {
public:
    Win32DdeClient() = default;
    ~Win32DdeClient() override;
    Win32DdeClient(const Win32DdeClient&) = delete;
    Win32DdeClient& operator=(const Win32DdeClient&) = delete;

    void setLinkTopic(const std::string& topic) override { m_topic = topic; }
    void setLinkItem(const std::string& item) override { m_item = item; }
    void setLinkMode(int mode) override;
    void linkRequest() override;

private:
    void disconnect();
    HSZ stringHandle(const std::string& text);

    DWORD m_instance = 0;
    HCONV m_conversation = nullptr;
    std::string m_topic;
    std::string m_item;
};
