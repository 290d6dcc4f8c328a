// An automation client for scripts: finds a running design window (or dialog) and acts on it.
//   mixora_drive press          presses "计算" and answers any notice it brings up
//   mixora_drive close          closes the window
//   mixora_drive wait           only waits until the window is there
//   mixora_drive set N TEXT     puts TEXT into field TextN, or into the control with ID N
//   mixora_drive get N          prints the text of field TextN or of control N (UTF-8)
//   mixora_drive select ID ITEM picks an item of the list ID (a drop-down list or a list box),
//                             by its text or else its index
//                               (0 first), and tells the window as a user's choice does
//   mixora_drive click ID       clicks the control with that ID and leaves what it opens
//   mixora_drive menu ID        posts the menu command with that ID and leaves what it opens
//   mixora_drive move X Y       moves the window's top left corner to X, Y of the screen
//   mixora_drive keep-credential TARGET [PASSWORD]  keeps a generic credential of this user named
//                               TARGET, as 实验室设置 keeps a shared database's password (no
//                               window)
//   mixora_drive has-credential TARGET  whether one is kept (exit code 0), else 1 (no window)
// Before the command, --window TITLE chooses the window: the design window or dialog (class Form
// or #32770) whose title begins with TITLE ("Mixora  JGJ 55-2011", "试配与调整"); without it, a
// design window. Before both, --process K chooses the K-th of the programs showing a design window,
// in the order they were started (1 the first; two programs logged in as two people side by
// side). N is 1 … 33 for a field TextN, or a control ID of 1000 or more (README.md).
// Exit code 0 on success, 1 when the window, the control or the list's item is not found, 2 (with
// the usage) when the command line asks for nothing it knows.
#include "control_ids.h"
#include "handles.h"
#include "remote_window.h"
#include "utf.h"

#include <wincred.h>

#include <cstdio>
#include <cwchar>
#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace mixora::automation;

constexpr DWORD kWaitMs = 20000;

HWND FindAnyForm() {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    while (GetTickCount64() < deadline) {
        if (HWND form = FindWindowW(L"Form", nullptr)) return form;
        Sleep(100);
    }
    return nullptr;
}

// Lists each process with a visible design window once; stops listing if memory runs out.
BOOL CALLBACK CollectFormProcess(HWND window, LPARAM lparam) noexcept {
    wchar_t name[8]{};
    GetClassNameW(window, name, 8);
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    auto& processes = *reinterpret_cast<std::vector<DWORD>*>(lparam);
    if (lstrcmpiW(name, L"Form") != 0 || !IsWindowVisible(window) ||
        std::find(processes.begin(), processes.end(), process_id) != processes.end())
        return TRUE;
    try {
        processes.push_back(process_id);
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

ULONGLONG StartTime(DWORD process_id) {
    FILETIME created{}, ended{}, kernel{}, user{};
    const mixora::base::unique_hfile process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
    if (!process) return 0;
    GetProcessTimes(process.get(), &created, &ended, &kernel, &user);
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// The process of the k-th program showing a design window, in the order they were started; 0 when
// there are not that many within the wait.
DWORD NthFormProcess(int k) {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    while (GetTickCount64() < deadline) {
        std::vector<DWORD> processes;
        EnumWindows(CollectFormProcess, reinterpret_cast<LPARAM>(&processes));
        if (processes.size() >= static_cast<std::size_t>(k)) {
            std::vector<std::pair<ULONGLONG, DWORD>> started;
            for (DWORD process_id : processes)
                started.emplace_back(StartTime(process_id), process_id);
            std::sort(started.begin(), started.end());
            return started[static_cast<std::size_t>(k) - 1].second;
        }
        Sleep(100);
    }
    return 0;
}

constexpr const wchar_t* kUsage =
    L"usage: mixora_drive [--process K] [--window TITLE] press | close | wait | set N TEXT | "
    L"get N | select ID ITEM | click ID | menu ID | move X Y\n"
    L"  N: 1 … 33 (field TextN) or a control ID of 1000 or more; ID: a control or menu command "
    L"identifier (README.md); ITEM: a list item's text, or its index from 0\n";

int Usage() {
    fwprintf(stderr, L"%ls", kUsage);
    return 2;
}

// A whole decimal number in [low, high], or 0.
int ParseNumber(const wchar_t* text, int low, int high) {
    wchar_t* end = nullptr;
    const long value = wcstol(text, &end, 10);
    if (end == text || *end != L'\0' || value < low || value > high) return 0;
    return static_cast<int>(value);
}

// A field TextN (1 … 33) or a control ID of 1000 or more; 0 for anything else.
int ParseFieldOrControl(const wchar_t* text) {
    const int n = ParseNumber(text, 1, 0xFFFF);
    if (n >= 1 && n <= mixora::calc::kFieldCount)
        return mixora::ui::ids::Text(static_cast<mixora::calc::Field>(n));
    return n >= 1000 ? n : 0;
}

int Missing(const std::wstring& what) {
    fwprintf(stderr, L"mixora_drive: %ls not found\n", what.c_str());
    return 1;
}

// Picks the item of the list as a user does: the selection, then the notification the window
// expects from its list.
// A list box (a list of rows) takes the list box's messages, a drop-down list the combo box's.
int Select(HWND window, HWND list, int id, const wchar_t* item) {
    wchar_t class_name[16]{};
    GetClassNameW(list, class_name, 16);
    const bool rows = lstrcmpiW(class_name, L"ListBox") == 0;
    DWORD_PTR found = static_cast<DWORD_PTR>(CB_ERR), count = 0;
    // A drop-down list is dropped down first, as the user does: a window may fill it only then.
    if (!rows)
        SendMessageTimeoutW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_DROPDOWN),
                            reinterpret_cast<LPARAM>(list), SMTO_ABORTIFHUNG, 5000, &count);
    SendMessageTimeoutW(list, rows ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT,
                        static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG,
                        5000, &found);
    if (static_cast<LRESULT>(found) == CB_ERR) {
        SendMessageTimeoutW(list, rows ? LB_GETCOUNT : CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000,
                            &count);
        const int index = ParseNumber(item, 0, 0xFFFF);
        if ((index == 0 && std::wstring_view(item) != L"0") ||
            static_cast<DWORD_PTR>(index) >= count)
            return Missing(L"item \"" + std::wstring(item) + L"\" of list " + std::to_wstring(id));
        found = static_cast<DWORD_PTR>(index);
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(list, rows ? LB_SETCURSEL : CB_SETCURSEL, found, 0, SMTO_ABORTIFHUNG, 5000,
                        &result);
    // LBN_SELCHANGE and CBN_SELCHANGE are the same code.
    SendMessageTimeoutW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list), SMTO_ABORTIFHUNG, 5000, &result);
    Sync(window);
    return 0;
}

// keep-credential and has-credential: the installer's test checks what the uninstaller removes;
// scripts/screenshot keeps a shared database's password.
int Credential(std::wstring_view verb, const wchar_t* target, std::wstring password) {
    if (verb == L"has-credential") {
        CREDENTIALW* kept = nullptr;
        if (!CredReadW(target, CRED_TYPE_GENERIC, 0, &kept)) return 1;
        CredFree(kept);
        return 0;
    }
    wchar_t login[] = L"test";
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = const_cast<wchar_t*>(target);
    credential.UserName = login;
    credential.CredentialBlobSize = static_cast<DWORD>(password.size() * sizeof(wchar_t));
    credential.CredentialBlob = reinterpret_cast<BYTE*>(password.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0) ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    namespace ids = mixora::ui::ids;
    DWORD process_id = 0;
    if (argc > 2 && std::wstring_view(argv[1]) == L"--process") {
        const int k = ParseNumber(argv[2], 1, 64);
        if (k == 0) return Usage();
        process_id = NthFormProcess(k);
        if (process_id == 0)
            return Missing(L"program " + std::to_wstring(k) + L" with a design window");
        argv += 2;
        argc -= 2;
    }
    std::wstring title;
    if (argc > 2 && std::wstring_view(argv[1]) == L"--window") {
        title = argv[2];
        argv += 2;
        argc -= 2;
    }
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    if ((verb == L"keep-credential" && (argc == 3 || argc == 4)) ||
        (verb == L"has-credential" && argc == 3))
        return Credential(verb, argv[2], argc == 4 ? argv[3] : L"x");
    int control_id = 0;
    if ((verb == L"set" && argc == 4) || (verb == L"get" && argc == 3)) {
        control_id = ParseFieldOrControl(argv[2]);
        if (control_id == 0) return Usage();
    } else if (((verb == L"click" || verb == L"menu") && argc == 3) ||
               (verb == L"select" && argc == 4)) {
        control_id = ParseNumber(argv[2], 1, 0xFFFF);
        if (control_id == 0) return Usage();
    } else if (!((verb == L"press" || verb == L"close" || verb == L"wait") && argc == 2) &&
               !(verb == L"move" && argc == 4)) {
        return Usage();
    }

    HWND form = title.empty() ? (process_id ? WaitForForm(process_id, kWaitMs) : FindAnyForm())
                              : WaitForTitled(title, process_id, kWaitMs);
    if (!form)
        return Missing(title.empty() ? L"the design window (class Form)"
                                     : L"a window titled \"" + title + L"…\"");
    GetWindowThreadProcessId(form, &process_id);
    if (verb == L"wait") {
        Sync(form);
        return 0;
    }
    if (verb == L"close") {
        PostMessageW(form, WM_CLOSE, 0, 0);
        return 0;
    }
    if (verb == L"move") {
        // Any whole number, negative ones too: a screen may lie left of or above the first.
        const int x = _wtoi(argv[2]), y = _wtoi(argv[3]);
        SetWindowPos(form, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Sync(form);
        return 0;
    }
    if (verb == L"menu") {
        // Posted: the command may open a modal window, which this client leaves open.
        PostMessageW(form, WM_COMMAND, MAKEWPARAM(control_id, 0), 0);
        return 0;
    }
    if (verb == L"press") control_id = ids::Calculate;
    HWND control = FindControl(form, control_id);
    if (!control) return Missing(L"control " + std::to_wstring(control_id));
    if (verb == L"set") {
        SetText(control, argv[3]);
        return 0;
    }
    if (verb == L"get") {
        std::printf("%s\n", mixora::ui::Narrow(GetText(control)).c_str());
        return 0;
    }
    if (verb == L"select") return Select(form, control, control_id, argv[3]);
    ClickAsync(control);
    if (verb == L"press") {
        // A notice, if any, comes within moments of the press.
        if (HWND box = WaitForMessageBox(process_id, 1500)) DismissMessageBox(box, 5000);
        Sync(form);
    }
    return 0;
}
