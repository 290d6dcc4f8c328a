#pragma once
// A design window on screen in the test process, with its message boxes recorded.
#include "control_ids.h"
#include "design_values.h"
#include "design_window.h"
#include "open_windows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mixora::ui::testing {

using enum calc::Field;

struct ShownBox {
    std::wstring text;
    std::wstring title;
    UINT style;
    HWND owner = nullptr;
};

class RecordingBoxes final : public MessageBoxes {
  public:
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, UINT style) override {
        shown.push_back({std::wstring(text), std::wstring(title), style, owner});
        // What the user does elsewhere while this box is up (a box runs a message loop).
        if (while_shown) std::exchange(while_shown, nullptr)();
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<ShownBox> shown;
    std::vector<int> answers;          // given to the boxes in turn; IDOK after them
    std::function<void()> while_shown; // run once, during the next box
};

class DesignWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DesignWindowOptions options;
        options.message_boxes = &boxes;
        options.exit_program = [this] { ++exits; };
        options.quit_on_destroy = false;
        Configure(options);
        window = DesignWindow::Create(GetModuleHandleW(nullptr), options);
        ASSERT_NE(window, nullptr);
        window->Show(SW_SHOWNORMAL);
        // The focus checks need the window active, whatever was foreground before it.
        SetForegroundWindow(window->hwnd());
        Pump();
    }

    // Lets a test's fixture change the options before the window is made.
    virtual void Configure(DesignWindowOptions&) {}

    void TearDown() override {
        window.reset();
        // The windows a test opened from this one.
        for (DesignWindow* other : std::vector<DesignWindow*>(OpenWindows()))
            DestroyWindow(other->hwnd());
        ReleaseClosedWindows();
        Pump();
    }

    // Lets queued messages (paints, posted notifications) run.
    static void Pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    HWND Control(int id) const { return window->Control(id); }

    std::wstring Text(calc::Field field) const {
        wchar_t buffer[512]{};
        GetWindowTextW(Control(ids::Text(field)), buffer, 512);
        return buffer;
    }

    // What typing a text into a field amounts to for the program.
    void Type(calc::Field field, const wchar_t* text) {
        SendMessageW(Control(ids::Text(field)), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }

    void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }

    bool Checked(int id) const {
        return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    void PressCalculate() {
        Click(ids::Calculate);
        Pump();
    }

    RecordingBoxes boxes;
    int exits = 0;
    std::unique_ptr<DesignWindow> window;
};

} // namespace mixora::ui::testing
