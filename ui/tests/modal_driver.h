#pragma once
// A modal dialog of this thread, driven from a timer while it is up: `step` runs on each tick
// with the dialog until it returns true.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

namespace mixora::ui::testing {

class ModalDriver {
  public:
    // Runs `open` (which returns when the dialog titled `title` closes) with `step` driving it.
    static void Drive(const wchar_t* title, std::function<bool(HWND)> step,
                      const std::function<void()>& open) {
        ModalDriver driver{title, std::move(step)};
        current() = &driver;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
        open();
        KillTimer(nullptr, timer);
        current() = nullptr;
        EXPECT_TRUE(driver.done_) << "the dialog was not driven to its end";
    }

    // A control anywhere inside `window` (dialogs may hold their controls in groups).
    static HWND Find(HWND window, int id) {
        std::pair<int, HWND> search{id, nullptr};
        EnumChildWindows(window, FindId, reinterpret_cast<LPARAM>(&search));
        return search.second;
    }

  private:
    ModalDriver(std::wstring title, std::function<bool(HWND)> step)
        : title_(std::move(title)), step_(std::move(step)) {}

    static ModalDriver*& current() {
        static ModalDriver* driver = nullptr;
        return driver;
    }

    static BOOL CALLBACK FindTitled(HWND window, LPARAM found) {
        wchar_t name[16]{}, title[64]{};
        GetClassNameW(window, name, 16);
        GetWindowTextW(window, title, 64);
        if (lstrcmpW(name, L"#32770") != 0 || current()->title_ != title ||
            !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static BOOL CALLBACK FindId(HWND window, LPARAM search) {
        auto* wanted = reinterpret_cast<std::pair<int, HWND>*>(search);
        if (GetDlgCtrlID(window) != wanted->first) return TRUE;
        wanted->second = window;
        return FALSE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalDriver* driver = current();
        if (!driver || driver->done_) return;
        HWND window = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindTitled, reinterpret_cast<LPARAM>(&window));
        if (window) driver->done_ = driver->step_(window);
    }

    std::wstring title_;
    std::function<bool(HWND)> step_;
    bool done_ = false;
};

} // namespace mixora::ui::testing
