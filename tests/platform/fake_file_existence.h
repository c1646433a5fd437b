// A file-existence test that knows the files it is told about and logs every question.
#pragma once

#include <set>

#include "call_log.h"
#include "file_existence.h"

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
