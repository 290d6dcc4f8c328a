// An automation client for scripts: finds the running design window and acts on it.
//   mixora_drive press   presses "计算" and answers any notice it brings up
//   mixora_drive close   closes the window
//   mixora_drive wait    only waits until the window is there
//   mixora_drive set N TEXT   puts TEXT into field TextN
//   mixora_drive get N        prints the text of field TextN (UTF-8, one line)
//   mixora_drive click ID     clicks the control with that ID and leaves what it opens
// Exit code 0 on success, 1 when no design window is found.
#include "control_ids.h"
#include "remote_window.h"
#include "utf.h"

#include <cstdio>
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

} // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace mixora::automation;
    const std::wstring verb = argc > 1 ? argv[1] : L"press";
    DWORD process_id = 0;
    HWND form = FindAnyForm(&process_id);
    if (!form) return 1;
    if (verb == L"wait") {
        Sync(form);
        return 0;
    }
    if (verb == L"set" && argc > 3) {
        SetText(FindControl(form, mixora::ui::ids::Text(_wtoi(argv[2]))), argv[3]);
        return 0;
    }
    if (verb == L"get" && argc > 2) {
        const HWND field = FindControl(form, mixora::ui::ids::Text(_wtoi(argv[2])));
        std::printf("%s\n", mixora::ui::Narrow(GetText(field)).c_str());
        return 0;
    }
    if (verb == L"click" && argc > 2) {
        ClickAsync(FindControl(form, _wtoi(argv[2])));
        return 0;
    }
    if (verb == L"close") {
        PostMessageW(form, WM_CLOSE, 0, 0);
        return 0;
    }
    ClickAsync(FindControl(form, mixora::ui::ids::Calculate));
    // A notice, if any, comes within moments of the press.
    if (HWND box = WaitForMessageBox(process_id, 1500)) DismissMessageBox(box, 5000);
    Sync(form);
    return 0;
}
