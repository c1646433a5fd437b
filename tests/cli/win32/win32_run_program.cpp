// Starting a program on Windows, its output captured in temporary files (no pipes to drain).
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/win32/win32_program_starter.h"
#include "platform/win32/win32_text.h"
#include "tests/cli/run_program.h"

namespace {
std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

HANDLE inheritable(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}
}  // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("vestrix-run-" + std::to_string(GetCurrentProcessId()));
    const auto outPath = base.string() + ".out", errPath = base.string() + ".err";
    std::string commandLine = Win32ProgramStarter::quoteArgument(program);
    for (const std::string& argument : arguments) {
        commandLine += ' ' + Win32ProgramStarter::quoteArgument(argument);
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable("NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = inheritable(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = inheritable(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    ProgramRun run;
    std::wstring wideCommandLine = wideText(commandLine);
    if (CreateProcessW(wideText(program).c_str(), wideCommandLine.data(), nullptr, nullptr, TRUE, 0,
                       nullptr, nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD exitCode = 0;
        if (GetExitCodeProcess(process.hProcess, &exitCode))
            run.exitCode = static_cast<int>(exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    for (const HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        CloseHandle(handle);
    run.out = slurp(outPath);
    run.errors = slurp(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}
