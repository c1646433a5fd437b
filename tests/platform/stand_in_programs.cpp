// Stand-in helper programs on PATH.
#include "tests/platform/stand_in_programs.h"

#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

StandInPrograms::StandInPrograms(bool onlyThese)
    : m_oldPath(::getenv("PATH") ? ::getenv("PATH") : "") {
    std::string pattern = (std::filesystem::temp_directory_path() / "vestrix-path-XXXXXX").string();
    m_folder = ::mkdtemp(pattern.data());
    ::setenv("PATH", (m_folder.string() + (onlyThese ? "" : ":" + m_oldPath)).c_str(), 1);
}

StandInPrograms::~StandInPrograms() {
    ::setenv("PATH", m_oldPath.c_str(), 1);
    std::filesystem::remove_all(m_folder);
}

void StandInPrograms::add(const std::string& name, const std::string& body) {
    std::ofstream(m_folder / name) << "#!/bin/sh\n" << body << '\n';
    std::filesystem::permissions(m_folder / name, std::filesystem::perms::owner_all);
}

void StandInPrograms::addRecorder(const std::string& name) {
    add(name, "printf '%s\\n' \"$@\" >> '" + (m_folder / (name + ".log")).string() + "'");
}

std::string StandInPrograms::waitForRecording(const std::string& name) const {
    const std::filesystem::path log = m_folder / (name + ".log");
    // A program started on a busy machine may take seconds to run.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(log) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // A second start, which would be a fault, gets the time to show up too.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::ostringstream text;
    text << std::ifstream(log).rdbuf();
    return text.str();
}
