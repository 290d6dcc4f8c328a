#pragma once
// The skin's per-window state, held in window properties: pointer-sized integers under
// upper-case ASCII keys; an absent key reads as 0.
#include <windows.h>

#include <string>

namespace mixora::skin::props {

inline constexpr const wchar_t* kProcAddr = L"PROCADDR";
inline constexpr const wchar_t* kOldStyle = L"OLDSTYLE";
inline constexpr const wchar_t* kMouseFlag = L"MOUSEFLAG";
inline constexpr const wchar_t* kTimerId = L"TIMERID";
inline constexpr const wchar_t* kOldState = L"OLDSTATE";
inline constexpr const wchar_t* kAlphaLevel = L"ALPHALEVEL";
inline constexpr const wchar_t* kHdIndex = L"HDINDEX";
inline constexpr const wchar_t* kHmIndex = L"HMINDEX";

// "HDC0" … "HDC3" and "BMP0" … "BMP3": the push button's state contexts and their bitmaps.
inline std::wstring StateDcKey(int state) {
    return L"HDC" + std::to_wstring(state);
}
inline std::wstring StateBitmapKey(int state) {
    return L"BMP" + std::to_wstring(state);
}

inline LONG_PTR Get(HWND window, const wchar_t* key) {
    return reinterpret_cast<LONG_PTR>(GetPropW(window, key));
}
inline bool Set(HWND window, const wchar_t* key, LONG_PTR value) {
    return SetPropW(window, key, reinterpret_cast<HANDLE>(value)) != FALSE;
}
inline void Remove(HWND window, const wchar_t* key) {
    RemovePropW(window, key);
}

inline int GetInt(HWND window, const wchar_t* key) {
    return static_cast<int>(Get(window, key));
}
template <typename H> H GetHandle(HWND window, const wchar_t* key) {
    return reinterpret_cast<H>(Get(window, key));
}
template <typename H> bool SetHandle(HWND window, const wchar_t* key, H handle) {
    return Set(window, key, reinterpret_cast<LONG_PTR>(handle));
}

} // namespace mixora::skin::props
