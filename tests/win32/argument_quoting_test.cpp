// The program starter's quoting of arguments, split again by the system's own rules.
#include <gtest/gtest.h>
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/win32_program_starter.h"

namespace {
// What a started program's runtime makes of a command line: its arguments after the program.
std::vector<std::string> split(const std::string& commandLine) {
    const std::wstring wide(commandLine.begin(), commandLine.end());  // ASCII only here
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring word(words[i]);
        arguments.emplace_back(word.begin(), word.end());
    }
    LocalFree(words);
    return arguments;
}
}  // namespace

TEST(Win32ArgumentQuoting, EveryArgumentComesBackAsItWas) {
    const std::vector<std::string> arguments = {
        "plain",         "two words",        "",       "C:\\Program Files\\",
        "tab\there",     "say \"hi\"",       "a\\\"b", "trailing\\\\",
        "\\\\server\\x", "https://a.b/c,,-1"};
    std::string commandLine = Win32ProgramStarter::quoteArgument("C:\\Tools\\prog.exe");
    for (const std::string& argument : arguments) {
        commandLine += ' ' + Win32ProgramStarter::quoteArgument(argument);
    }
    EXPECT_EQ(split(commandLine), arguments) << commandLine;
}
