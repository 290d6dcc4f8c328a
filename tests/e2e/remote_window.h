#pragma once
// Finding and driving the design window of another process by its class and control IDs.
#include <windows.h>

#include <string>
#include <string_view>

namespace mixora::automation {

// The top-level "Form" window of the process, waiting up to timeout_ms for it. nullptr if none.
HWND WaitForForm(DWORD process_id, DWORD timeout_ms);

// A visible message box ("#32770") of the process, waiting up to timeout_ms. nullptr if none.
HWND WaitForMessageBox(DWORD process_id, DWORD timeout_ms);

// A visible design window ("Form") or dialog ("#32770") whose title begins with `prefix`, of the
// process (of any process when process_id is 0), waiting up to timeout_ms. nullptr if none.
HWND WaitForTitled(std::wstring_view prefix, DWORD process_id, DWORD timeout_ms);

// The descendant of parent with that control ID (controls sit inside groups).
HWND FindControl(HWND parent, int id);

std::wstring GetText(HWND window);
void SetText(HWND window, const std::wstring& text);

// Clicks a button without waiting for what the click does (it may open a modal box).
void ClickAsync(HWND button);

// The prompt of a message box.
std::wstring MessageBoxPrompt(HWND box);

// Presses OK in a message box and waits until it is gone.
bool DismissMessageBox(HWND box, DWORD timeout_ms);

// Waits until the window's thread has handled everything sent before.
void Sync(HWND window);

} // namespace mixora::automation
