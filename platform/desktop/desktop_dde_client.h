// The DDE client on a Linux desktop: whatever the topic, the conversation is with the desktop's
// URL opener, xdg-open, and a request hands it the address in the item through the program
// starter.
#pragma once

#include "dde_client.h"

class DesktopDdeClient : public DdeClient {
public:
    explicit DesktopDdeClient(ProgramStarter& starter) : m_starter(starter) {}

    void setLinkTopic(const std::string& topic) override { m_topic = topic; }
    void setLinkItem(const std::string& item) override { m_item = item; }
    /** Mode 2 succeeds when xdg-open is on PATH (looked up now), else fails with kNoServer. */
    void setLinkMode(int mode) override;
    /**
     * Hands the item's address (the text before its final ",,-1") to xdg-open; an xdg-open that
     * finds no browser is heard of later, through onLaterFailure.
     */
    void linkRequest(const LaterFailure& onLaterFailure) override;

private:
    ProgramStarter& m_starter;
    std::string m_topic;
    std::string m_item;
    std::string m_opener;  // xdg-open's path while a conversation is open
};
