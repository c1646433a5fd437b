// Starting programs on Windows.
#include "win32_program_starter.h"

#include <windows.h>

namespace {
// Quotes one argument so that the program's C runtime splits it back as it was.
std::string quoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + '"';
}
}  // namespace

void Win32ProgramStarter::start(const std::string& program,
                                const std::vector<std::string>& arguments) {
    std::string commandLine = quoteArgument(program);
    for (const std::string& argument : arguments) commandLine += ' ' + quoteArgument(argument);
    startCommandLine(commandLine);
}

void Win32ProgramStarter::showTextFile(const std::string& path, ViewerFailed) {
    // Notepad is part of Windows: it either starts (and shows the file) or the start fails.
    startCommandLine("notepad.exe " + path);
}

void Win32ProgramStarter::startCommandLine(const std::string& commandLine) {
    if (commandLine.find_first_not_of(" \t") == std::string::npos) {
        throw ProgramStartError("Cannot start an empty command line");
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::string writable = commandLine;  // CreateProcess may write into its command line
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw ProgramStartError("Cannot start " + commandLine + " (error " +
                                std::to_string(GetLastError()) + ")");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::unique_ptr<ProgramStarter> createProgramStarter() {
    return std::make_unique<Win32ProgramStarter>();
}
