// A program starter that only writes what it was asked to start into the shared log.
#pragma once

#include "platform/program_starter.h"
#include "tests/platform/call_log.h"

class RecordingProgramStarter : public ProgramStarter {
public:
    explicit RecordingProgramStarter(CallLog& log) : m_log(log) {}

    void start(const std::string& program, const std::vector<std::string>& arguments) override {
        std::string line = "run " + program;
        for (const std::string& argument : arguments) line += " [" + argument + "]";
        record(line);
    }
    void startCommandLine(const std::string& commandLine) override {
        record("start " + commandLine);
        // As every real starter: there is no program in an empty line.
        if (commandLine.empty()) throw ProgramStartError("empty command line");
    }
    void showTextFile(const std::string& path, ViewerFailed onFailure) override {
        viewerFailed = std::move(onFailure);
        record("show " + path);
    }
    void showWebPage(const std::string& address, ViewerFailed onFailure) override {
        viewerFailed = std::move(onFailure);
        record("web " + address);
    }

    void showFolder(const std::string& folder, ViewerFailed onFailure) override {
        viewerFailed = std::move(onFailure);
        record("folder " + folder);
    }

    /** Every start fails, as with a program that is missing. */
    bool fails = false;
    /** What the last viewer was told to call when it gives up. */
    ViewerFailed viewerFailed;

private:
    void record(const std::string& line) {
        m_log.push_back(line);
        if (fails) throw ProgramStartError("scripted failure");
    }
    CallLog& m_log;
};
