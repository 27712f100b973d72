// COM for the length of one use of the Windows Imaging Component; a thread that has set
// COM up otherwise keeps its own.
#pragma once

#include <windows.h>
#include <objbase.h>

namespace orr::win32 {

class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

} // namespace orr::win32
