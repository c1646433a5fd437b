// A plain message box that writes its text into the shared log instead of showing it.
#pragma once

#include "platform/plain_message_box.h"
#include "tests/platform/call_log.h"

class RecordingMessageBox : public PlainMessageBox {
public:
    explicit RecordingMessageBox(CallLog& log) : m_log(log) {}
    void show(const std::string& text) override { m_log.push_back("message " + text); }

private:
    CallLog& m_log;
};
