#pragma once
// Shared helpers of the drawing tests: a visible host window with child controls, a hook that
// sends a control's paint messages to a painter and pixel readers; with the window helpers and
// the GDI recorder that the engine tests use too.
#include "gdi_recorder.h"
#include "handles.h"
#include "memory_dc.h"
#include "test_windows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace mixora::skin::test {

// A visible top-level window for child controls to live in; destroyed at the end of scope.
class HostWindow {
  public:
    HostWindow();
    HWND get() const { return window_.get(); }
    // A child control of the class, text and styles at (x, y, width, height).
    HWND AddChild(const wchar_t* class_name, const wchar_t* text, DWORD style, int x, int y,
                  int width, int height, DWORD ex_style = 0);

  private:
    base::unique_hwnd window_;
};

// A message handler standing in for the engine's procedure: gets the previous procedure.
using Handler = std::function<LRESULT(WNDPROC previous, HWND, UINT, WPARAM, LPARAM)>;
// Routes the window's messages of one kind to handler (everything else goes on as before).
void HookMessage(HWND window, UINT message, Handler handler);

// A memory context of the given size, filled with the colour.
MemoryDC FilledImage(int width, int height, COLORREF colour);
// Every pixel of a rectangle of a context, row by row.
std::vector<COLORREF> Pixels(HDC dc, int x, int y, int width, int height);
// How many pixels of the rectangle have the colour.
int CountColour(HDC dc, int x, int y, int width, int height, COLORREF colour);

// The five skin bitmaps built for each test and freed after it.
class WithSkinBitmaps : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace mixora::skin::test
