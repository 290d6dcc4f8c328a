#pragma once
// Shared helpers of the drawing tests: a visible host window with child controls, a hook that
// sends a control's paint messages to a painter, pixel readers and a recorder of the GDI
// objects the code under test creates.
#include "handles.h"
#include "memory_dc.h"

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
    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                  int width, int height, DWORD exStyle = 0);

  private:
    base::unique_hwnd window_;
};

// Handles every message still queued.
void PumpMessages();

// A message handler standing in for the engine's procedure: gets the previous procedure.
using Handler = std::function<LRESULT(WNDPROC previous, HWND, UINT, WPARAM, LPARAM)>;
// Routes the window's messages of one kind to handler (everything else goes on as before).
void HookMessage(HWND window, UINT message, Handler handler);

// The pixel at (x, y) of the window's whole area (non-client included).
COLORREF WindowPixel(HWND window, int x, int y);
// A memory context of the given size, filled with the colour.
MemoryDC FilledImage(int width, int height, COLORREF colour);
// Every pixel of a rectangle of a context, row by row.
std::vector<COLORREF> Pixels(HDC dc, int x, int y, int width, int height);
// How many pixels of the rectangle have the colour.
int CountColour(HDC dc, int x, int y, int width, int height, COLORREF colour);

// Records the handle of every context, bitmap, brush and palette that the program creates
// while it is alive, by redirecting the program's imports of the creating calls.
class GdiRecorder {
  public:
    GdiRecorder();
    ~GdiRecorder();
    GdiRecorder(const GdiRecorder&) = delete;
    GdiRecorder& operator=(const GdiRecorder&) = delete;

    const std::vector<HGDIOBJ>& Created() const;
    // Recorded handles that are still valid objects.
    std::vector<HGDIOBJ> Alive() const;
    void Clear();
};

// The five skin bitmaps built for each test and freed after it.
class WithSkinBitmaps : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace mixora::skin::test
