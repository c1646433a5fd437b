// A scripted DDE client: each attempt to open the conversation takes the next scripted error
// number (0: the server answers); the calls go to the shared log.
#pragma once

#include <deque>

#include "platform/dde_client.h"
#include "tests/platform/call_log.h"

class FakeDdeClient : public DdeClient {
public:
    explicit FakeDdeClient(CallLog& log) : m_log(log) {}

    void setLinkTopic(const std::string& topic) override { m_log.push_back("topic " + topic); }
    void setLinkItem(const std::string& item) override { m_log.push_back("item " + item); }
    void setLinkMode(int mode) override;
    void linkRequest() override;

    /** Error numbers of the next link-mode-2 attempts; once used up, every attempt answers. */
    std::deque<int> linkModeErrors;
    int linkModeErrorWhenScriptEnds = 0;
    int requestError = 0;

private:
    CallLog& m_log;
};
