// State set from code on skinned controls: a new caption (WM_SETTEXT) and a new check
// (BM_SETCHECK). The control's own procedure repaints itself at once with the system's look,
// outside WM_PAINT; the skin's look must be back before anything else happens.
#include "engine_windows.h"
#include "handles.h"
#include "window_dc.h"

#include "bitmaps.h"
#include "check_paint.h"
#include "colours.h"
#include "primitives.h"
#include "skin.h"

#include <gtest/gtest.h>

#include <vector>

namespace mixora::skin {
namespace {

// The pixels of a rectangle of a context, row by row.
std::vector<COLORREF> Pixels(HDC dc, RECT area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    base::unique_hbitmap bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    base::unique_hdc copy(CreateCompatibleDC(nullptr));
    const HGDIOBJ old = SelectObject(copy.get(), bitmap.get());
    BitBlt(copy.get(), 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    std::vector<COLORREF> shown;
    for (int n = 0; n < width * height; ++n) {
        const DWORD p = pixels[n]; // 0x00RRGGBB
        shown.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(copy.get(), old);
    return shown;
}

// What the window shows in a rectangle of its own (window) coordinates.
std::vector<COLORREF> Shown(HWND window, RECT area) {
    const base::unique_window_dc dc = base::GetWindowDCScoped(window);
    return Pixels(dc.get(), area);
}

// How many pixels of two equal-sized pictures differ.
int Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (size_t n = 0; n < a.size(); ++n)
        count += a[n] != b[n];
    return count;
}

std::vector<COLORREF> ShownWhole(HWND window) {
    const WindowBounds bounds = GetWindowBounds(window);
    return Shown(window, {0, 0, bounds.Width, bounds.Height});
}

// The check box or option circle at the control's left end, where the skin draws it.
RECT BoxArea(HWND window) {
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    const int top = CentreOffset(GetWindowBounds(window).Height, size);
    return {0, top, size, top + size};
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

int Prop(HWND window, const wchar_t* key) {
    return static_cast<int>(reinterpret_cast<LONG_PTR>(GetPropW(window, key)));
}

// The cursor rests outside the form, so that nothing here is hovered.
void ParkCursorAway(HWND form) {
    RECT box{};
    GetWindowRect(form, &box);
    SetCursorPos(box.right + 20, box.bottom + 20);
}

TEST(EngineSetFromCode, AButtonShowsItsNewCaptionAtOnceAndAfterARepaint) {
    auto form = test::MakeForm(360, 200);
    ParkCursorAway(form.get());
    const HWND renamed =
        test::AddChild(form.get(), L"Button", L"打开(O)", BS_DEFPUSHBUTTON, 20, 20, 100, 30);
    const HWND reference =
        test::AddChild(form.get(), L"Button", L"保存(S)", BS_DEFPUSHBUTTON, 20, 80, 100, 30);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    test::FinishPainting(form.get());
    const std::vector<COLORREF> old_face = ShownWhole(renamed);
    const std::vector<COLORREF> new_face = ShownWhole(reference);
    ASSERT_GT(Differences(old_face, new_face), 20);

    SendMessageW(renamed, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"保存(S)"));
    EXPECT_EQ(Differences(ShownWhole(renamed), new_face), 0) << "at once, with no paint message";
    // Every state's face carries the new caption, so hover, press and fade show it too.
    for (const wchar_t* key : {L"HDC0", L"HDC1", L"HDC2", L"HDC3"}) {
        const auto image = static_cast<HDC>(GetPropW(renamed, key));
        const auto model = static_cast<HDC>(GetPropW(reference, key));
        ASSERT_TRUE(image && model);
        EXPECT_EQ(Differences(Pixels(image, {0, 0, 100, 30}), Pixels(model, {0, 0, 100, 30})), 0)
            << "face " << key;
    }
    Repaint(renamed);
    EXPECT_EQ(Differences(ShownWhole(renamed), new_face), 0);

    // A hidden button gets its new faces and shows them when it appears.
    ShowWindow(renamed, SW_HIDE);
    SendMessageW(renamed, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"打开(O)"));
    ShowWindow(renamed, SW_SHOW);
    test::FinishPainting(form.get());
    EXPECT_EQ(Differences(ShownWhole(renamed), old_face), 0);
    RemoveSkin(form.get());
}

class CheckSetFromCode : public ::testing::Test {
  protected:
    void SetUp() override {
        f_ = test::MakeDesignLikeForm();
        ParkCursorAway(f_.form.get());
        ASSERT_EQ(InstallSkin(f_.form.get()), 1);
        test::FinishPainting(f_.form.get());
    }
    void TearDown() override { RemoveSkin(f_.form.get()); }

    // The box as it shows now, then as the skin draws it on a real paint.
    void ExpectSkinBoxAtOnce(HWND window) {
        const std::vector<COLORREF> at_once = Shown(window, BoxArea(window));
        Repaint(window);
        EXPECT_EQ(Differences(at_once, Shown(window, BoxArea(window))), 0);
        EXPECT_EQ(Prop(window, L"OLDSTATE"), 0);
    }

    test::DesignLikeForm f_;
};

TEST_F(CheckSetFromCode, ACheckBoxShowsTheSkinsTickAtOnce) {
    SendMessageW(f_.check1, BM_SETCHECK, BST_CHECKED, 0);
    // The skin's box with its tick, as composed off screen.
    const int size = GetSystemMetrics(SM_CXMENUCHECK);
    const MemoryDC model = CreateMemoryDC(size, size);
    ComposeCheckBox(model.get(), size, size, 0, BST_CHECKED, true);
    EXPECT_EQ(
        Differences(Shown(f_.check1, BoxArea(f_.check1)), Pixels(model.get(), {0, 0, size, size})),
        0);
    ExpectSkinBoxAtOnce(f_.check1);

    SendMessageW(f_.check1, BM_SETCHECK, BST_UNCHECKED, 0);
    ExpectSkinBoxAtOnce(f_.check1);
}

TEST_F(CheckSetFromCode, OptionButtonsShowTheSkinsCirclesAtOnce) {
    // As the design window switches a pair of options.
    SendMessageW(f_.option2, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(f_.option1, BM_SETCHECK, BST_UNCHECKED, 0);
    ExpectSkinBoxAtOnce(f_.option2);
    ExpectSkinBoxAtOnce(f_.option1);
}

TEST_F(CheckSetFromCode, ACaptionSetFromCodeKeepsTheSkinsBox) {
    SendMessageW(f_.check1, BM_SETCHECK, BST_CHECKED, 0);
    Repaint(f_.check1);
    SendMessageW(f_.check1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"碎石"));
    ExpectSkinBoxAtOnce(f_.check1);
    SendMessageW(f_.option1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"绝对体积法"));
    ExpectSkinBoxAtOnce(f_.option1);
}

} // namespace
} // namespace mixora::skin
