// A plain message box that writes its text into the shared log instead of showing it.
#pragma once

#include "call_log.h"
#include "plain_message_box.h"

class RecordingMessageBox : public PlainMessageBox {
public:
    explicit RecordingMessageBox(CallLog& log) : m_log(log) {}
    void show(const std::string& text) override { m_log.push_back("message " + text); }

private:
    CallLog& m_log;
};
