#pragma once
// The print preview's page: one laid-out page at a time on a grey desk, as large as the view
// (整页) or at a zoom of its real size, with scroll bars when it is larger than the view.
// PgUp and PgDn turn the pages, Home and End go to the first and last, + and - zoom, the arrows
// and the wheel scroll (Ctrl+wheel zooms).
#include "page_layout.h"

#include <windows.h>

#include <string>
#include <vector>

namespace mixora::ui {

inline constexpr const wchar_t* kPageViewClass = L"MixoraPageView";
// Sent to the view's parent as WM_COMMAND (this code, the view's ID) when the page or the zoom
// changed from the keyboard or the wheel.
inline constexpr WORD kPageViewChanged = 1;

class PageView {
  public:
    PageView(std::vector<LaidOutPage> pages, const PageFonts& fonts, PaperSetup paper);
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    // Registers the window class once; false when it cannot be.
    static bool Register(HINSTANCE instance);
    // Ties this object to a window of kPageViewClass for the window's life.
    void Attach(HWND view);

    int page() const { return page_; }
    int page_count() const { return static_cast<int>(pages_.size()); }
    void ShowPage(int index);

    // 0: 整页, the whole page in the view; otherwise percent of the real size.
    int zoom() const { return zoom_; }
    bool CanZoomIn() const;
    bool CanZoomOut() const { return zoom_ != 0; }
    void ZoomIn();
    void ZoomOut();
    std::wstring ZoomText() const; // "整页", "100%"

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wp, LPARAM lp) noexcept;
    static LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnPaint();
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnScroll(int bar, WORD request);
    LRESULT OnMouseWheel(WPARAM wparam);
    void Notify();
    void SetZoom(int zoom);
    int EffectivePercent() const; // the zoom in percent, 整页 worked out for the view's size
    int Dpi() const;
    SIZE PagePixels() const;
    void UpdateScrollBars();
    void ScrollBy(int dx, int dy);

    std::vector<LaidOutPage> pages_;
    const PageFonts& fonts_;
    PaperSetup paper_;
    HWND view_ = nullptr;
    int page_ = 0;
    int zoom_ = 0;
    POINT scroll_{0, 0};
};

} // namespace mixora::ui
