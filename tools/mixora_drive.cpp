// An automation client for scripts: finds the running design window and acts on it.
//   mixora_drive press        presses "计算" and answers any notice it brings up
//   mixora_drive close        closes the window
//   mixora_drive wait         only waits until the window is there
//   mixora_drive set N TEXT   puts TEXT into field TextN
//   mixora_drive get N        prints the text of field TextN (UTF-8, one line)
//   mixora_drive click ID     clicks the control with that ID and leaves what it opens
//   mixora_drive menu ID      posts the menu command with that ID and leaves what it opens
// Exit code 0 on success, 1 when the design window or the control is not found, 2 (with the
// usage) when the command line asks for nothing it knows.
#include "control_ids.h"
#include "remote_window.h"
#include "utf.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindAnyForm(DWORD* process_id) {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    while (GetTickCount64() < deadline) {
        if (HWND form = FindWindowW(L"Form", nullptr)) {
            GetWindowThreadProcessId(form, process_id);
            return form;
        }
        Sleep(100);
    }
    return nullptr;
}

constexpr const wchar_t* kUsage =
    L"usage: mixora_drive press | close | wait | set N TEXT | get N | click ID | menu ID "
    L"  N: 1 … 33 (field TextN); ID: a control or menu command identifier (README.md) ";

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

int Missing(const wchar_t* what) {
    fwprintf(stderr, L"mixora_drive: %ls not found\n", what);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace mixora::automation;
    namespace ids = mixora::ui::ids;
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    int control_id = 0;
    if ((verb == L"set" && argc == 4) || (verb == L"get" && argc == 3)) {
        const int n = ParseNumber(argv[2], 1, mixora::calc::kFieldCount);
        if (n == 0) return Usage();
        control_id = ids::Text(static_cast<mixora::calc::Field>(n));
    } else if ((verb == L"click" || verb == L"menu") && argc == 3) {
        control_id = ParseNumber(argv[2], 1, 0xFFFF);
        if (control_id == 0) return Usage();
    } else if (!((verb == L"press" || verb == L"close" || verb == L"wait") && argc == 2)) {
        return Usage();
    }

    DWORD process_id = 0;
    HWND form = FindAnyForm(&process_id);
    if (!form) return Missing(L"the design window (class Form)");
    if (verb == L"wait") {
        Sync(form);
        return 0;
    }
    if (verb == L"close") {
        PostMessageW(form, WM_CLOSE, 0, 0);
        return 0;
    }
    if (verb == L"menu") {
        // Posted: the command may open a modal window, which this client leaves open.
        PostMessageW(form, WM_COMMAND, MAKEWPARAM(control_id, 0), 0);
        return 0;
    }
    if (verb == L"press") control_id = ids::Calculate;
    HWND control = FindControl(form, control_id);
    if (!control) return Missing((L"control " + std::to_wstring(control_id)).c_str());
    if (verb == L"set") {
        SetText(control, argv[3]);
        return 0;
    }
    if (verb == L"get") {
        std::printf("%s\n", mixora::ui::Narrow(GetText(control)).c_str());
        return 0;
    }
    ClickAsync(control);
    if (verb == L"press") {
        // A notice, if any, comes within moments of the press.
        if (HWND box = WaitForMessageBox(process_id, 1500)) DismissMessageBox(box, 5000);
        Sync(form);
    }
    return 0;
}
