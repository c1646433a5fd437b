// The miniature DDE server. DDEML calls back on the thread that initialised the instance, so
// everything DDE happens on the server's own thread; the test thread only waits and reads.
#include "tests/win32/dde_test_server.h"

namespace {
// DDEML callbacks carry no context: one server per process is all the tests need.
DdeTestServer* g_server = nullptr;
}  // namespace

DdeTestServer::DdeTestServer(const std::string& application, const std::string& topic)
    : m_application(application), m_topic(topic) {
    g_server = this;
    m_thread = std::thread([this] { run(); });
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_started; });
}

DdeTestServer::~DdeTestServer() {
    PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
    m_thread.join();
    g_server = nullptr;
}

void DdeTestServer::run() {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // gives the thread its message queue
    m_threadId = GetCurrentThreadId();
    if (DdeInitializeA(&m_instance, callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0) ==
        DMLERR_NO_ERROR) {
        m_applicationHandle = DdeCreateStringHandleA(m_instance, m_application.c_str(), CP_WINANSI);
        m_topicHandle = DdeCreateStringHandleA(m_instance, m_topic.c_str(), CP_WINANSI);
        m_serving =
            DdeNameService(m_instance, m_applicationHandle, nullptr, DNS_REGISTER) != nullptr;
    }
    {
        std::lock_guard lock(m_mutex);
        m_started = true;
    }
    m_changed.notify_all();
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (m_instance != 0) {
        DdeNameService(m_instance, m_applicationHandle, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(m_instance, m_applicationHandle);
        DdeFreeStringHandle(m_instance, m_topicHandle);
        DdeUninitialize(m_instance);
    }
}

HDDEDATA CALLBACK DdeTestServer::callback(UINT type, UINT format, HCONV, HSZ topic, HSZ item,
                                          HDDEDATA, ULONG_PTR, ULONG_PTR) {
    if (g_server == nullptr) return nullptr;
    if (type == XTYP_REQUEST && format != CF_TEXT) return nullptr;
    return g_server->handle(type, topic, item);
}

HDDEDATA DdeTestServer::handle(UINT type, HSZ topic, HSZ item) {
    switch (type) {
        case XTYP_CONNECT:
            // Only the topic the browser registered: a wrong topic gets no conversation.
            return reinterpret_cast<HDDEDATA>(
                static_cast<INT_PTR>(DdeCmpStringHandles(topic, m_topicHandle) == 0));
        case XTYP_REQUEST: {
            char text[2048] = {};
            DdeQueryStringA(m_instance, item, text, sizeof text, CP_WINANSI);
            {
                std::lock_guard lock(m_mutex);
                m_requests.emplace_back(text);
            }
            m_changed.notify_all();
            // A browser answers with the id of the window that shows the page.
            static const char kWindowId[] = "1";
            return DdeCreateDataHandle(m_instance,
                                       reinterpret_cast<LPBYTE>(const_cast<char*>(kWindowId)),
                                       sizeof kWindowId, 0, item, CF_TEXT, 0);
        }
        default:
            return nullptr;
    }
}

std::vector<std::string> DdeTestServer::waitForRequests(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [this] { return !m_requests.empty(); });
    return m_requests;
}
