#include "credential_store.h"

#include "lab_database_setting.h"
#include "utf.h"

#include <windows.h>

#include <wincred.h>

#include <vector>

namespace mixora::ui {

bool StorePassword(const std::wstring& target, const std::wstring& login,
                   const std::wstring& password) {
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = const_cast<wchar_t*>(target.c_str());
    credential.UserName = const_cast<wchar_t*>(login.c_str());
    credential.CredentialBlobSize = static_cast<DWORD>(password.size() * sizeof(wchar_t));
    credential.CredentialBlob = reinterpret_cast<BYTE*>(const_cast<wchar_t*>(password.data()));
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0) != FALSE;
}

std::optional<std::wstring> StoredPassword(const std::wstring& target) {
    CREDENTIALW* credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential)) return std::nullopt;
    std::wstring password(reinterpret_cast<const wchar_t*>(credential->CredentialBlob),
                          credential->CredentialBlobSize / sizeof(wchar_t));
    SecureZeroMemory(credential->CredentialBlob, credential->CredentialBlobSize);
    CredFree(credential);
    return password;
}

void ForgetPassword(const std::wstring& target) {
    CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0);
}

int ForgetAllPasswords() {
    const std::wstring filter = Widen(lab::kCredentialPrefix) + L"*";
    DWORD count = 0;
    CREDENTIALW** credentials = nullptr;
    if (!CredEnumerateW(filter.c_str(), 0, &count, &credentials)) return 0;
    std::vector<std::wstring> targets;
    for (DWORD i = 0; i < count; ++i)
        if (credentials[i]->Type == CRED_TYPE_GENERIC)
            targets.emplace_back(credentials[i]->TargetName);
    CredFree(credentials);
    for (const std::wstring& target : targets)
        ForgetPassword(target);
    return static_cast<int>(targets.size());
}

} // namespace mixora::ui
