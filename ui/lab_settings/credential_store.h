#pragma once
// A shared database's password in Windows' credential store (a generic credential of the
// user, "Mixora/<server or DSN>"), never in the registry or a file.
#include <optional>
#include <string>

namespace mixora::ui {

// False when the store refused (the reason is the system's last error).
bool StorePassword(const std::wstring& target, const std::wstring& login,
                   const std::wstring& password);
// The password kept for `target`, if any.
std::optional<std::wstring> StoredPassword(const std::wstring& target);
void ForgetPassword(const std::wstring& target);
// Forgets every password Mixora keeps for this user (the uninstaller's --forget-credential); how
// many there were.
int ForgetAllPasswords();

} // namespace mixora::ui
