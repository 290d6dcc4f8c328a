#pragma once
// The administrator's login that 初始化共享数据库 and 迁移 need: the connection string (the
// shared database's, its login to be changed) and the password, used once and kept nowhere.
#include <windows.h>

#include <optional>
#include <string>

namespace mixora::ui {

inline constexpr const wchar_t* kAdministratorLoginTitle = L"管理员登录";

// The full connection string (password included), or none when the user chose 取消. `purpose`
// says what it is for.
std::optional<std::string> AskAdministratorLogin(HWND owner, const std::string& connection,
                                                 const std::wstring& purpose, bool skinned);

} // namespace mixora::ui
