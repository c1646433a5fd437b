// A stand-in for a browser or the system information tool, started by the program under test
// through its registered command line. It appends that command line to the record file named by
// its first argument (if there is one), then, with "serve", listens for DDE as application and
// topic of the next two arguments and records the first item it is asked for; with anything else it
// only records. It signals the named event "VestrixTestProgramReady" once it is ready.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "tests/win32/dde_test_server.h"

namespace {
void append(const char* recordFile, const std::string& line) {
    if (std::FILE* file = std::fopen(recordFile, "ab")) {
        std::fputs((line + "\n").c_str(), file);
        std::fclose(file);
    }
}

void signalReady() {
    if (HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, "VestrixTestProgramReady")) {
        SetEvent(event);
        CloseHandle(event);
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2) append(argv[1], GetCommandLineA());
    if (argc < 5 || std::string(argv[2]) != "serve") {
        signalReady();
        return 0;
    }
    DdeTestServer server(argv[3], argv[4]);
    signalReady();
    for (const std::string& item : server.waitForRequests(std::chrono::seconds(10))) {
        append(argv[1], "item " + item);
    }
    return 0;
}
