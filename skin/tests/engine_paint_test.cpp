// Paint, size and enable handling on real windows: which paint messages a control's own
// procedure still sees, and how a push button's images and region follow it.
#include "engine_windows.h"
#include "handles.h"

#include "colours.h"
#include "fade_timer.h"
#include "skin.h"

#include <gtest/gtest.h>

#include <map>

namespace mixora::skin {
namespace {

int Prop(HWND window, const wchar_t* key) {
    return static_cast<int>(reinterpret_cast<LONG_PTR>(GetPropW(window, key)));
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

// Window classes whose own procedure counts the paint messages that reach it.
struct PaintCounter {
    static inline std::map<HWND, int> paints;
    static inline std::map<HWND, int> nc_paints;
    static inline WNDPROC base = nullptr;

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) ++paints[window];
        if (message == WM_NCPAINT) ++nc_paints[window];
        return base ? CallWindowProcW(base, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
    }
    static void Register() {
        WNDCLASSEXW button{};
        button.cbSize = sizeof(button);
        GetClassInfoExW(nullptr, L"Button", &button);
        base = button.lpfnWndProc;
        button.lpfnWndProc = Proc;
        button.hInstance = GetModuleHandleW(nullptr);
        button.lpszClassName = L"ThunderCommandButton";
        RegisterClassExW(&button);
        WNDCLASSEXW plain{};
        plain.cbSize = sizeof(plain);
        plain.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_PAINT) ++paints[window];
            if (message == WM_NCPAINT) ++nc_paints[window];
            return DefWindowProcW(window, message, wParam, lParam);
        };
        plain.hInstance = GetModuleHandleW(nullptr);
        plain.lpszClassName = L"ProgressBarWndClass";
        RegisterClassExW(&plain);
    }
    static void Reset() {
        paints.clear();
        nc_paints.clear();
    }
};

TEST(EnginePaint, OnlyTheControlsTheSkinPaintsKeepTheirPaintMessages) {
    static const bool registered = (PaintCounter::Register(), true);
    (void)registered;
    auto form = test::MakeForm();
    const HWND push =
        test::AddChild(form.get(), L"ThunderCommandButton", L"p", BS_PUSHBUTTON, 10, 10, 80, 30);
    const HWND box =
        test::AddChild(form.get(), L"ThunderCommandButton", L"c", BS_AUTOCHECKBOX, 100, 10, 80, 30);
    const HWND bar =
        test::AddChild(form.get(), L"ProgressBarWndClass", L"", WS_BORDER, 10, 60, 200, 20);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    PaintCounter::Reset();
    for (HWND w : {push, box, bar})
        Repaint(w);
    EXPECT_EQ(PaintCounter::paints[push], 0);
    EXPECT_GT(PaintCounter::paints[box], 0);
    EXPECT_EQ(PaintCounter::paints[bar], 0);
    EXPECT_EQ(PaintCounter::nc_paints[bar], 0);
    EXPECT_GT(PaintCounter::nc_paints[push], 0);

    RemoveSkin(form.get());
    PaintCounter::Reset();
    for (HWND w : {push, bar})
        Repaint(w);
    EXPECT_GT(PaintCounter::paints[push], 0);
    EXPECT_GT(PaintCounter::paints[bar], 0);
}

TEST(EnginePaint, ARepaintEndsTheFadeWithTheFaceInFull) {
    auto form = test::MakeForm(300, 200);
    const HWND button = test::AddChild(form.get(), L"Button", L"b", BS_PUSHBUTTON, 20, 20, 100, 30);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    const POINT centre = test::ClientCentre(button);
    test::MoveCursorTo(button, centre);
    SendMessageW(button, WM_MOUSEMOVE, 0, test::MousePosition(centre));
    SendMessageW(button, WM_TIMER, kFadeTimerId, 0);
    ASSERT_NE(Prop(button, L"TIMERID"), 0);
    Repaint(button);
    EXPECT_EQ(Prop(button, L"TIMERID"), 0);
    EXPECT_EQ(Prop(button, L"ALPHALEVEL"), 255);
    EXPECT_EQ(test::WindowPixel(button, centre.x, centre.y),
              GetPixel(static_cast<HDC>(GetPropW(button, L"HDC1")), centre.x, centre.y));
    RemoveSkin(form.get());
}

TEST(EnginePaint, AResizedButtonGetsImagesAndARegionOfItsNewSize) {
    auto form = test::MakeForm(300, 200);
    const HWND button = test::AddChild(form.get(), L"Button", L"b", BS_PUSHBUTTON, 20, 20, 100, 30);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    std::vector<HANDLE> old;
    for (const wchar_t* key : {L"BMP0", L"BMP1", L"BMP2", L"BMP3"})
        old.push_back(GetPropW(button, key));
    SetWindowPos(button, nullptr, 0, 0, 150, 44, SWP_NOMOVE | SWP_NOZORDER);
    for (int n = 0; n < 4; ++n) {
        const auto dc = static_cast<HDC>(GetPropW(button, (L"HDC" + std::to_wstring(n)).c_str()));
        const auto bitmap = GetPropW(button, (L"BMP" + std::to_wstring(n)).c_str());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), bitmap);
        BITMAP info{};
        ASSERT_NE(GetObjectW(bitmap, sizeof(info), &info), 0);
        EXPECT_EQ(info.bmWidth, 150);
        EXPECT_EQ(info.bmHeight, 44);
        EXPECT_EQ(GetObjectType(old[static_cast<size_t>(n)]), 0u);
    }
    base::unique_hrgn region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button, region.get()), ERROR);
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.right, 150);
    EXPECT_EQ(box.bottom, 44);
    RemoveSkin(form.get());
}

TEST(EnginePaint, EnablingFollowsTheButtonsState) {
    auto form = test::MakeForm(300, 200);
    const HWND button = test::AddChild(form.get(), L"Button", L"b", BS_PUSHBUTTON, 20, 20, 100, 30);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    EnableWindow(button, FALSE);
    EXPECT_EQ(Prop(button, L"OLDSTATE"), 3);
    EnableWindow(button, TRUE);
    EXPECT_EQ(Prop(button, L"OLDSTATE"), 0);
    RemoveSkin(form.get());
}

TEST(EnginePaint, SunkenEdgesGetTheFlatBorderAndCheckBoxesRedrawNormal) {
    auto f = test::MakeDesignLikeForm();
    const HWND plain = test::AddChild(f.form.get(), L"Edit", L"", WS_BORDER, 450, 20, 100, 22);
    const HWND disabled =
        test::AddChild(f.form.get(), L"Edit", L"", WS_DISABLED, 450, 60, 100, 22, WS_EX_CLIENTEDGE);
    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    for (HWND w : {f.edit, plain, disabled})
        Repaint(w);
    EXPECT_EQ(test::WindowPixel(f.edit, 0, 0), BorderColour);
    EXPECT_EQ(test::WindowPixel(disabled, 0, 0), DisabledBorderColour);
    EXPECT_NE(test::WindowPixel(plain, 0, 0), BorderColour);

    test::MoveCursorTo(f.check1, {5, 10});
    SendMessageW(f.check1, WM_MOUSEMOVE, 0, test::MousePosition({5, 10}));
    ASSERT_EQ(Prop(f.check1, L"OLDSTATE"), 1);
    Repaint(f.check1);
    EXPECT_EQ(Prop(f.check1, L"OLDSTATE"), 0);
    RemoveSkin(f.form.get());
}

} // namespace
} // namespace mixora::skin
