// A browser's DDE server in miniature: registers an application name through DDEML on a thread of
// its own (with its own message loop), accepts conversations on one topic only and records every
// item it is asked for.
#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class DdeTestServer {
public:
    /** Serves application|topic from now on; returns once the name is registered. */
    DdeTestServer(const std::string& application, const std::string& topic);
    ~DdeTestServer();
    DdeTestServer(const DdeTestServer&) = delete;
    DdeTestServer& operator=(const DdeTestServer&) = delete;

    /** Whether the name could be registered. */
    bool serving() const { return m_serving; }
    /** The items requested so far, once at least one came or timeout passed. */
    std::vector<std::string> waitForRequests(std::chrono::milliseconds timeout);

private:
    void run();
    static HDDEDATA CALLBACK callback(UINT type, UINT format, HCONV conversation, HSZ topic,
                                      HSZ item, HDDEDATA data, ULONG_PTR, ULONG_PTR);
    HDDEDATA handle(UINT type, HSZ topic, HSZ item);

    std::string m_application;
    std::string m_topic;
    DWORD m_instance = 0;
    HSZ m_applicationHandle = nullptr;
    HSZ m_topicHandle = nullptr;
    DWORD m_threadId = 0;
    bool m_serving = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_started = false;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};
