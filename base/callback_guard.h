#pragma once
// The one guard every window procedure, dialog procedure, hook and callback ends in: no C++
// exception crosses into the system's code. An unexpected one is caught, said once in a
// message ("内部错误：…" with what failed), and the program goes on with its documents intact.
#include <windows.h>

#include <exception>
#include <functional>
#include <new>
#include <string>
#include <string_view>

namespace mixora::base {

// Where an internal error is said: a message box owned by no window, unless replaced (the
// program's own message boxes, or a test's record).
using InternalErrorReporter = std::function<void(std::wstring_view message)>;

inline InternalErrorReporter& InternalErrorReporterSlot() {
    static InternalErrorReporter reporter;
    return reporter;
}

inline void SetInternalErrorReporter(InternalErrorReporter reporter) {
    InternalErrorReporterSlot() = std::move(reporter);
}

inline std::wstring WidenUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return L"?";
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

// Says the error, unless one is being said already (a message box runs a message loop, in
// which the same fault may come again: it is said once).
inline void ReportInternalError(const char* where, const char* what) noexcept {
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    try {
        const std::wstring message =
            L"内部错误：" + WidenUtf8(where) + L"：" + WidenUtf8(what) +
            L"\n\n操作没有完成。已打开的设计没有丢失，可以继续工作并保存。";
        if (const InternalErrorReporter& reporter = InternalErrorReporterSlot())
            reporter(message);
        else
            MessageBoxW(nullptr, message.c_str(), L"Mixora", MB_OK | MB_ICONERROR);
    } catch (...) {
        // Nothing more can be said: out of memory, or the reporter failed.
    }
    reporting = false;
}

// Runs `body`; on an exception says it and gives `fallback` instead.
template <class Result, class Body>
Result Guarded(const char* where, Result fallback, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::bad_alloc&) {
        ReportInternalError(where, "内存不足");
    } catch (const std::exception& error) {
        ReportInternalError(where, error.what());
    } catch (...) {
        ReportInternalError(where, "未知异常");
    }
    return fallback;
}

} // namespace mixora::base
