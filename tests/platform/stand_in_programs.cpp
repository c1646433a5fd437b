// Stand-in helper programs on PATH.
#include "stand_in_programs.h"

#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

StandInPrograms::StandInPrograms(bool onlyThese) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vestrix-path-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    m_folder = pattern;
    if (const char* path = std::getenv("PATH")) {
        m_hadPath = true;
        m_oldPath = path;
    }
    const std::string path =
        onlyThese || !m_hadPath ? m_folder.string() : m_folder.string() + ":" + m_oldPath;
    ::setenv("PATH", path.c_str(), 1);
}

StandInPrograms::~StandInPrograms() {
    if (m_hadPath) {
        ::setenv("PATH", m_oldPath.c_str(), 1);
    } else {
        ::unsetenv("PATH");
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void StandInPrograms::add(const std::string& name, const std::string& body) {
    const std::filesystem::path script = m_folder / name;
    std::ofstream(script) << "#!/bin/sh\n" << body << '\n';
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
}

void StandInPrograms::addRecorder(const std::string& name) {
    add(name, "printf '%s\\n' \"$@\" >> '" + (m_folder / (name + ".log")).string() + "'");
}

std::string StandInPrograms::recorded(const std::string& name) const {
    std::ifstream in(m_folder / (name + ".log"));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string StandInPrograms::waitForRecording(const std::string& name) const {
    for (int i = 0; i < 200 && !std::filesystem::exists(m_folder / (name + ".log")); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // A second start, which would be a fault, gets the time to show up too.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return recorded(name);
}
