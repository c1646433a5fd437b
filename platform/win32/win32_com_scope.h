// COM for the calling thread while one piece of work needs it (a picker, a picture decoding),
// whether or not the thread had it already.
#pragma once

#include <objbase.h>

class Win32ComScope {
public:
    Win32ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~Win32ComScope() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    Win32ComScope(const Win32ComScope&) = delete;
    Win32ComScope& operator=(const Win32ComScope&) = delete;

private:
    HRESULT m_result;
};
