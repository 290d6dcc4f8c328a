#pragma once
// The program's title in the title bar of each kind of design window.
namespace mixora::ui {

inline constexpr const wchar_t* kWindowTitle = L"Mixora    2011423 Beta 1  By：Halvec";
inline constexpr const wchar_t* kJgj55WindowTitle = L"Mixora  JGJ 55-2011 配合比设计";

} // namespace mixora::ui
