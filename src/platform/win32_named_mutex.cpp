#include "platform/win32_named_mutex.h"

#ifdef _WIN32

#include <windows.h>

#include <algorithm>

namespace mousecfg::win32 {

NamedMutex::~NamedMutex() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

NamedMutex::Result NamedMutex::acquire(const std::wstring& name) {
    if (handle_) return Result::Acquired;
    std::wstring safe = name;
    std::replace(safe.begin(), safe.end(), L'\\', L'_');
    HANDLE h = CreateMutexW(nullptr, FALSE, safe.c_str());
    const DWORD error = GetLastError();
    if (!h) {
        lastError_ = error;
        // The mutex exists but was made by another user or an elevated process.
        return error == ERROR_ACCESS_DENIED ? Result::HeldElsewhere : Result::Failed;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        // A handle to the other instance's mutex: let it go, so the mutex ends with its owner.
        CloseHandle(h);
        lastError_ = error;
        return Result::HeldElsewhere;
    }
    handle_ = h;
    lastError_ = 0;
    return Result::Acquired;
}

}  // namespace mousecfg::win32

#endif  // _WIN32
