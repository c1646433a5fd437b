// A file-existence test that knows the files it is told about and logs every question.
#pragma once

#include <set>

#include "platform/file_existence.h"
#include "tests/platform/call_log.h"

class FakeFileExistence : public FileExistence {
public:
    explicit FakeFileExistence(CallLog& log) : m_log(log) {}
    bool ordinaryFileExists(const std::string& path) override {
        m_log.push_back("exists " + path);
        return files.contains(path);
    }
    std::set<std::string> files;

private:
    CallLog& m_log;
};
