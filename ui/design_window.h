#pragma once
// The design window Form1: nine groups of fields, the method and aggregate options and the
// four buttons, laid out from its table, with the calculator behind "计算".
#include "calc_error.h"
#include "conversions.h"
#include "handles.h"
#include "message_boxes.h"
#include "window_sheet.h"

#include <functional>
#include <map>
#include <memory>
#include <windows.h>

namespace mixora::ui {

inline constexpr const wchar_t* kWindowTitle = L"Mixora    2011423 Beta 1  By：Halvec";

struct DesignWindowOptions {
    MessageBoxes* message_boxes = nullptr; // required; outlives the window
    // "退出": ends the program at once, without unloading the window.
    std::function<void()> exit_program = [] { ExitProcess(0); };
    bool quit_on_destroy = true; // post WM_QUIT when the window goes
    bool install_skin = true;    // false: the system's own look (benchmarks)
    calc::NumberFormat number_format;
};

class DesignWindow {
  public:
    // Creates the window and its controls and loads it (skin, then reset); not yet shown.
    // nullptr when the window cannot be created.
    static std::unique_ptr<DesignWindow> Create(HINSTANCE instance, DesignWindowOptions options);
    ~DesignWindow();
    DesignWindow(const DesignWindow&) = delete;
    DesignWindow& operator=(const DesignWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND Control(int id) const;
    int dpi() const { return dpi_; }

    // Shows the window and puts the focus on the first control of the focus order.
    void Show(int show_command);

    // Keyboard navigation of the message loop: Tab and Shift+Tab follow the focus order,
    // arrows move within an option group, Enter and Escape press nothing. True when the
    // message was handled and must not be dispatched.
    bool PreTranslateMessage(const MSG& message);
    void MoveFocus(bool backward);

    // The button actions, as a click on each button runs them.
    void OnCalculate();
    void OnHelp();
    void OnReset();
    void OnExit();

  private:
    explicit DesignWindow(DesignWindowOptions options);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnCommand(WPARAM wparam, LPARAM lparam);
    LRESULT OnClose();
    LRESULT OnDestroy();
    LRESULT OnNcDestroy();
    LRESULT OnDpiChanged(WPARAM wparam, LPARAM lparam);
    LRESULT OnActivate(WPARAM wparam, LPARAM lparam);

    bool CreateControls();
    void ApplyFont(int dpi);
    void ApplyLayout(const RECT* suggested);
    void Load();
    void ReportAbort(const calc::CalcError& error);

    DesignWindowOptions options_;
    HWND hwnd_ = nullptr;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    base::unique_hfont font_;
    std::map<int, HWND> controls_;
    HWND last_focus_ = nullptr; // the control that had the focus when the window was left
    WindowSheet sheet_;
};

} // namespace mixora::ui
