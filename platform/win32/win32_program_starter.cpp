// Starting programs on Windows.
#include "platform/win32/win32_program_starter.h"

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "platform/win32/win32_text.h"

std::string Win32ProgramStarter::quoteArgument(const std::string& argument) {
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

void Win32ProgramStarter::showWebPage(const std::string& address, ViewerFailed) {
    // Values up to 32 are the shell's error codes.
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", wideText(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        throw ProgramStartError("Cannot open " + address + " (error " + std::to_string(result) +
                                ")");
    }
}

void Win32ProgramStarter::showFolder(const std::string& folder, ViewerFailed) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"explore", wideText(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        throw ProgramStartError("Cannot open " + folder + " (error " + std::to_string(result) +
                                ")");
    }
}

void Win32ProgramStarter::startCommandLine(const std::string& commandLine) {
    if (commandLine.find_first_not_of(" \t") == std::string::npos) {
        throw ProgramStartError("Cannot start an empty command line");
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::wstring writable = wideText(commandLine);  // CreateProcess may write into it
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
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
