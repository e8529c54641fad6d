#pragma once

#include <string>

namespace mousecfg::win32 {

// Windows: a named mutex held for the life of the object, the way one instance per product is
// kept (CreateMutexW, then GetLastError). Qt-free; compiled on Windows only.
class NamedMutex {
public:
    enum class Result {
        Acquired,       // this process created the mutex and holds it
        HeldElsewhere,  // another process created it first (or holds it with rights we lack)
        Failed,         // the mutex could not be created at all
    };

    NamedMutex() = default;
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // A backslash in the name would select a kernel namespace; it becomes '_'. A second call
    // while the mutex is held returns Acquired.
    Result acquire(const std::wstring& name);
    bool held() const { return handle_ != nullptr; }
    // GetLastError() of the last failed acquire.
    unsigned long lastError() const { return lastError_; }

private:
    void* handle_ = nullptr;  // HANDLE
    unsigned long lastError_ = 0;
};

}  // namespace mousecfg::win32
