// The messages a user's actions send, delivered to skinned controls one by one: hover, leave,
// press, release, space, focus and the fade timer, and what each kind keeps of them.
#include "engine_windows.h"
#include "handles.h"
#include "window_dc.h"

#include "engine_state.h"
#include "fade_timer.h"
#include "skin.h"
#include "skin_lifetime.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace mixora::skin {
namespace {

int Prop(HWND window, const wchar_t* key) {
    return static_cast<int>(reinterpret_cast<LONG_PTR>(GetPropW(window, key)));
}

COLORREF ImagePixel(HWND button, int state, POINT at) {
    const std::wstring key = L"HDC" + std::to_wstring(state);
    return GetPixel(static_cast<HDC>(GetPropW(button, key.c_str())), at.x, at.y);
}

void ExpectNear(COLORREF actual, COLORREF expected, int tolerance) {
    EXPECT_NEAR(GetRValue(actual), GetRValue(expected), tolerance);
    EXPECT_NEAR(GetGValue(actual), GetGValue(expected), tolerance);
    EXPECT_NEAR(GetBValue(actual), GetBValue(expected), tolerance);
}

class PushButtonInput : public ::testing::Test {
  protected:
    void SetUp() override {
        form_ = test::MakeForm(320, 200);
        button_ = test::AddChild(form_.get(), L"Button", L"计算", BS_PUSHBUTTON, 40, 40, 120, 36);
        other_ = test::AddChild(form_.get(), L"Button", L"清零", BS_PUSHBUTTON, 40, 120, 120, 36);
        ASSERT_EQ(InstallSkin(form_.get()), 1);
        centre_ = test::ClientCentre(button_);
        test::MoveCursorTo(button_, centre_);
    }
    void TearDown() override { RemoveSkin(form_.get()); }

    void Send(UINT message, WPARAM wParam = 0) {
        SendMessageW(button_, message, wParam, test::MousePosition(centre_));
    }
    void Tick() { SendMessageW(button_, WM_TIMER, kFadeTimerId, 0); }
    // Ticks until the fade ends; the number of ticks it took.
    int FadeToEnd() {
        int ticks = 0;
        while (Prop(button_, L"TIMERID") != 0 && ticks < 1000) {
            Tick();
            ++ticks;
        }
        return ticks;
    }
    int State() { return Prop(button_, L"OLDSTATE"); }
    int Level() { return Prop(button_, L"ALPHALEVEL"); }
    int Timer() { return Prop(button_, L"TIMERID"); }
    COLORREF Shown() { return test::WindowPixel(button_, centre_.x, centre_.y); }

    base::unique_hwnd form_;
    HWND button_ = nullptr;
    HWND other_ = nullptr;
    POINT centre_{};
};

TEST_F(PushButtonInput, HoverFadesTheHoverFaceInOverEightySixTicks) {
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(Prop(button_, L"MOUSEFLAG"), 1);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(Level(), 0);
    EXPECT_EQ(Timer(), static_cast<int>(kFadeTimerId));
    Tick();
    Tick();
    EXPECT_EQ(Level(), 6);
    // Moving on inside the button changes nothing.
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(Level(), 6);
    EXPECT_EQ(FadeToEnd(), 84);
    EXPECT_EQ(Level(), 0);
    EXPECT_FALSE(KillTimer(button_, kFadeTimerId)) << "the system timer is still running";
    EXPECT_EQ(Shown(), ImagePixel(button_, 1, centre_));
}

TEST_F(PushButtonInput, LeavingBlendsTheHoverFaceAt140ThenFadesTheNormalFace) {
    Send(WM_MOUSEMOVE);
    FadeToEnd();
    {
        const base::unique_window_dc dc = base::GetWindowDCScoped(button_);
        RECT all{0, 0, 500, 500};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    Send(WM_MOUSELEAVE);
    const COLORREF hover = ImagePixel(button_, 1, centre_);
    ExpectNear(Shown(),
               RGB(GetRValue(hover) * 140 / 255, GetGValue(hover) * 140 / 255,
                   GetBValue(hover) * 140 / 255),
               2);
    EXPECT_EQ(Prop(button_, L"MOUSEFLAG"), 0);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Level(), 0);
    EXPECT_EQ(FadeToEnd(), 86);
    EXPECT_EQ(Shown(), ImagePixel(button_, 0, centre_));
}

TEST_F(PushButtonInput, PressShowsAtOnceAndReleaseFadesFromSixty) {
    Send(WM_MOUSEMOVE);
    Tick();
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(Level(), 0);
    EXPECT_EQ(Timer(), 0);
    EXPECT_EQ(Shown(), ImagePixel(button_, 2, centre_));

    Send(WM_LBUTTONUP);
    EXPECT_EQ(Prop(button_, L"MOUSEFLAG"), 0);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Level(), 60);
    EXPECT_NE(Timer(), 0);
    Tick();
    EXPECT_EQ(Level(), 63);
    // The next movement over the button is entering again: the hover face from 0, same timer.
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(Level(), 0);
    EXPECT_NE(Timer(), 0);

    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(FadeToEnd(), 66);
}

TEST_F(PushButtonInput, SpaceActsLikeAClickAndOtherKeysDoNothing) {
    SetFocus(button_);
    FadeToEnd();
    Send(WM_KEYDOWN, 'A');
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Timer(), 0);
    Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(State(), 2);
    EXPECT_EQ(Timer(), 0);
    EXPECT_EQ(Shown(), ImagePixel(button_, 2, centre_));
    Send(WM_KEYUP, 'A');
    EXPECT_EQ(State(), 2);
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(Level(), 0);
    EXPECT_EQ(Prop(button_, L"MOUSEFLAG"), 0);
    EXPECT_NE(Timer(), 0);
}

TEST_F(PushButtonInput, MovingOutsideWhileHoldingTheCaptureShowsTheFaceOutright) {
    Send(WM_MOUSEMOVE);
    Tick();
    POINT outside{centre_.x, centre_.y + 200};
    test::MoveCursorTo(button_, outside);
    SendMessageW(button_, WM_MOUSEMOVE, MK_LBUTTON, test::MousePosition(outside));
    EXPECT_EQ(Timer(), 0);
    EXPECT_EQ(Level(), 255);
}

TEST_F(PushButtonInput, FocusRedrawsTheImagesAndFadesTheCurrentFaceIn) {
    SetFocus(other_);
    FadeToEnd();
    const auto column = [&] {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 36; ++y)
            pixels.push_back(ImagePixel(button_, 0, {2, y}));
        return pixels;
    };
    const auto unfocused = column();
    SetFocus(button_);
    EXPECT_NE(column(), unfocused) << "no focus rectangle in the image";
    EXPECT_EQ(Level(), 0);
    EXPECT_NE(Timer(), 0);
    FadeToEnd();
    SetFocus(other_);
    EXPECT_EQ(column(), unfocused);
    EXPECT_NE(Timer(), 0);
}

TEST_F(PushButtonInput, ASecondTimerIsNeverStarted) {
    EXPECT_EQ(StartFadeTimer(button_), kFadeTimerId);
    EXPECT_EQ(StartFadeTimer(button_), 0u);
    EXPECT_EQ(Timer(), static_cast<int>(kFadeTimerId));
    EXPECT_TRUE(StopFadeTimer(button_));
    EXPECT_FALSE(StopFadeTimer(button_));
    EXPECT_EQ(Timer(), 0);
    EXPECT_TRUE(test::HasProp(button_, L"TIMERID"));
}

TEST_F(PushButtonInput, OnlyTheSkinsOwnTimerAdvancesTheFade) {
    Send(WM_MOUSEMOVE);
    for (int i = 0; i < 10; ++i)
        Tick();
    ASSERT_EQ(Level(), 30);
    SendMessageW(button_, WM_TIMER, 77, 0);
    EXPECT_EQ(Level(), 30);
    Tick();
    EXPECT_EQ(Level(), 33);
}

TEST(MouseLeaveTracking, TheCommonControlsTrackTheLeaveWhereUser32LacksTrackMouseEvent) {
    for (const bool user32 : {true, false}) {
        SetTrackMouseEventLibrary(user32 ? nullptr : L"gdi32");
        auto f = test::MakeDesignLikeForm();
        ASSERT_EQ(InstallSkin(f.form.get()), 1);
        EXPECT_EQ(HasTrackMouseEvent(), user32);
        // In over the check box, then out: the system posts the leave at its next look.
        const POINT inside = test::ClientCentre(f.check1);
        test::MoveCursorTo(f.check1, inside);
        SendMessageW(f.check1, WM_MOUSEMOVE, 0, test::MousePosition(inside));
        EXPECT_EQ(Prop(f.check1, L"MOUSEFLAG"), 1);
        test::MoveCursorTo(f.label, test::ClientCentre(f.label));
        const ULONGLONG give_up = GetTickCount64() + 5000;
        while (Prop(f.check1, L"MOUSEFLAG") != 0 && GetTickCount64() < give_up) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            test::PumpMessages();
        }
        EXPECT_EQ(Prop(f.check1, L"MOUSEFLAG"), 0) << "no WM_MOUSELEAVE, user32 " << user32;
        RemoveSkin(f.form.get());
    }
    SetTrackMouseEventLibrary(nullptr);
}

// Client-area animation switched off for the life of the object, as the user can set it; the
// setting as it was comes back afterwards.
class NoClientAreaAnimation {
  public:
    NoClientAreaAnimation() {
        SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &before_, 0);
        Set(FALSE);
    }
    ~NoClientAreaAnimation() { Set(before_); }
    NoClientAreaAnimation(const NoClientAreaAnimation&) = delete;
    NoClientAreaAnimation& operator=(const NoClientAreaAnimation&) = delete;

  private:
    static void Set(BOOL on) {
        SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0,
                              reinterpret_cast<void*>(static_cast<INT_PTR>(on)), 0);
    }
    BOOL before_ = TRUE;
};

TEST_F(PushButtonInput, WithoutClientAreaAnimationEveryFaceShowsAtOnce) {
    const NoClientAreaAnimation no_animation;
    BOOL on = TRUE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0));
    ASSERT_FALSE(on);

    const auto expect_face = [&](int state, const char* after) {
        EXPECT_EQ(State(), state) << after;
        EXPECT_EQ(Timer(), 0) << after;
        EXPECT_EQ(Level(), 0) << after;
        EXPECT_EQ(Shown(), ImagePixel(button_, state, centre_)) << after;
    };
    Send(WM_MOUSEMOVE);
    expect_face(1, "entering");
    Send(WM_MOUSELEAVE);
    expect_face(0, "leaving");
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    expect_face(2, "pressing");
    Send(WM_LBUTTONUP);
    expect_face(0, "releasing");
    SetFocus(button_);
    expect_face(0, "focusing");
    Send(WM_KEYDOWN, VK_SPACE);
    Send(WM_KEYUP, VK_SPACE);
    expect_face(0, "space");
}

TEST(CheckAndOptionInput, AReleaseRedrawsEveryCheckBoxAndOptionButtonAround) {
    auto f = test::MakeDesignLikeForm();
    ASSERT_EQ(InstallSkin(f.form.get()), 1);
    const LPARAM inside = test::MousePosition({5, 10});
    test::MoveCursorTo(f.check1, {5, 10});
    SendMessageW(f.check1, WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(Prop(f.check1, L"MOUSEFLAG"), 1);
    EXPECT_EQ(Prop(f.check1, L"OLDSTATE"), 1);
    SendMessageW(f.check1, WM_MOUSEMOVE, MK_LBUTTON, inside);
    EXPECT_EQ(Prop(f.check1, L"OLDSTATE"), 2);

    // Clicking option2 switches option1 off; both and the check box are drawn normal again.
    SendMessageW(f.option1, WM_MOUSEMOVE, 0, inside);
    SendMessageW(f.option2, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_EQ(Prop(f.option2, L"OLDSTATE"), 2);
    SendMessageW(f.option2, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(SendMessageW(f.option1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Prop(f.option1, L"OLDSTATE"), 0);
    EXPECT_EQ(Prop(f.option2, L"OLDSTATE"), 0);
    EXPECT_EQ(Prop(f.check1, L"OLDSTATE"), 0);

    // A release on the form itself redraws all of its check boxes and option buttons.
    SendMessageW(f.check1, WM_MOUSEMOVE, 0, inside);
    SendMessageW(f.form.get(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(Prop(f.check1, L"OLDSTATE"), 0);

    SendMessageW(f.check1, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Prop(f.check1, L"MOUSEFLAG"), 0);
    RemoveSkin(f.form.get());
}

TEST(HeaderInput, TheHotItemFollowsTheMouseAndThePressedItemTheButton) {
    auto form = test::MakeForm(500, 100);
    const HWND header = test::AddChild(form.get(), WC_HEADERW, L"", HDS_BUTTONS, 10, 10, 400, 24);
    const wchar_t* texts[] = {L"水泥", L"砂", L"石子"};
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.cxy = 100;
        item.pszText = const_cast<wchar_t*>(texts[i]);
        SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_EQ(InstallSkin(form.get()), 1);
    test::FinishPainting(form.get());
    const auto move = [&](int x, WPARAM keys = 0) {
        test::MoveCursorTo(header, {x, 12});
        SendMessageW(header, WM_MOUSEMOVE, keys, test::MousePosition({x, 12}));
    };
    const auto item_pixel = [&](int i) { return test::WindowPixel(header, 100 * i + 50, 3); };
    const auto send = [&](UINT message, int x) {
        SendMessageW(header, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     test::MousePosition({x, 12}));
    };

    move(50);
    EXPECT_EQ(Prop(header, L"MOUSEFLAG"), 1);
    EXPECT_EQ(Prop(header, L"HMINDEX"), 0);
    const COLORREF hot = item_pixel(0);
    const COLORREF normal = item_pixel(2);
    EXPECT_NE(hot, normal);
    move(150);
    EXPECT_EQ(Prop(header, L"HMINDEX"), 1);
    EXPECT_EQ(item_pixel(0), normal);
    EXPECT_EQ(item_pixel(1), hot);
    move(350); // past the last item
    EXPECT_EQ(Prop(header, L"HMINDEX"), -1);
    EXPECT_EQ(item_pixel(1), normal);

    move(150);
    send(WM_LBUTTONDOWN, 150);
    EXPECT_EQ(Prop(header, L"HDINDEX"), 1);
    const COLORREF pressed = item_pixel(1);
    EXPECT_NE(pressed, hot);
    send(WM_LBUTTONUP, 150); // let go over the item: hot again
    EXPECT_EQ(Prop(header, L"HDINDEX"), -1);
    EXPECT_EQ(item_pixel(1), hot);

    send(WM_LBUTTONDOWN, 150);
    test::MoveCursorTo(header, {150, 300});
    send(WM_LBUTTONUP, 150); // let go elsewhere: normal
    EXPECT_EQ(item_pixel(1), normal);

    SendMessageW(header, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Prop(header, L"MOUSEFLAG"), 0);
    EXPECT_EQ(Prop(header, L"HMINDEX"), -1);
    EXPECT_EQ(Prop(header, L"HDINDEX"), -1);
    RemoveSkin(form.get());
}

TEST(ComboInput, AnEditableComboReactsOnItsDropButtonOnly) {
    auto form = test::MakeForm(300, 200);
    const HWND combo = test::AddChild(form.get(), L"ComboBox", L"", CBS_DROPDOWN, 10, 10, 160, 150);
    ASSERT_EQ(InstallSkin(form.get()), 1);
    RECT box{};
    GetWindowRect(combo, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const auto move = [&](int x, WPARAM keys = 0) {
        SendMessageW(combo, WM_MOUSEMOVE, keys, test::MousePosition({x, height / 2}));
        return Prop(combo, L"OLDSTATE");
    };
    EXPECT_EQ(move(width - 5), 1);
    EXPECT_EQ(Prop(combo, L"MOUSEFLAG"), 1);
    EXPECT_EQ(move(10), 0);
    EXPECT_EQ(move(width - 5, MK_LBUTTON), 2);
    EXPECT_EQ(move(width - GetSystemMetrics(SM_CXVSCROLL) - 4), 0);
    SendMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, test::MousePosition({10, height / 2}));
    EXPECT_EQ(Prop(combo, L"OLDSTATE"), 0);
    move(width - 5);
    SendMessageW(combo, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Prop(combo, L"MOUSEFLAG"), 0);
    EXPECT_EQ(Prop(combo, L"OLDSTATE"), 0);
    RemoveSkin(form.get());
}

} // namespace
} // namespace mixora::skin
