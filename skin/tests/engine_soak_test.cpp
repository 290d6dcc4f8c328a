// Long runs: installing and removing many times, and many hover/press/release sequences, must
// leave no handle alive, no timer running and no property behind.
#include "engine_windows.h"
#include "handles.h"

#include "engine_state.h"
#include "fade_timer.h"
#include "gdi_recorder.h"
#include "skin.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

namespace mixora::skin {
namespace {

std::vector<HANDLE> ButtonImages(HWND button) {
    std::vector<HANDLE> images;
    for (const wchar_t* key :
         {L"HDC0", L"HDC1", L"HDC2", L"HDC3", L"BMP0", L"BMP1", L"BMP2", L"BMP3"}) {
        images.push_back(GetPropW(button, key));
    }
    return images;
}

void ExpectReleased(const std::vector<HANDLE>& handles) {
    for (HANDLE h : handles)
        EXPECT_EQ(GetObjectType(h), 0u);
}

// New objects can still be made: a leak large enough would exhaust the handle table (the
// recorder's census catches the small ones).
void ExpectRoomForObjects() {
    std::vector<base::unique_hbrush> brushes;
    for (int i = 0; i < 2000; ++i) {
        brushes.emplace_back(CreateSolidBrush(RGB(i % 256, 0, 0)));
        ASSERT_TRUE(brushes.back()) << "no room for GDI objects after " << i;
    }
}

TEST(EngineSoak, FiveHundredInstallationsLeaveNothingBehind) {
    auto f = test::MakeDesignLikeForm();
    auto windows = test::Descendants(f.form.get());
    windows.push_back(f.form.get());
    std::map<HWND, std::vector<std::wstring>> before;
    for (HWND w : windows)
        before[w] = test::PropNames(w);

    // Every installation makes the same objects, and its removal frees every one of them.
    test::GdiRecorder recorder;
    test::GdiCensus first_installed;
    for (int cycle = 0; cycle < 500; ++cycle) {
        ASSERT_EQ(InstallSkin(f.form.get()), 1);
        const auto images = ButtonImages(f.command[cycle % 4]);
        const test::GdiCensus installed = recorder.AliveByType();
        if (cycle == 0) first_installed = installed;
        ASSERT_EQ(installed, first_installed) << "cycle " << cycle;
        ASSERT_EQ(RemoveSkin(f.form.get()), 1);
        ASSERT_EQ(SubclassCount(), 0);
        for (HANDLE h : images)
            ASSERT_EQ(GetObjectType(h), 0u) << "cycle " << cycle;
        ASSERT_EQ(recorder.AliveByType(), test::GdiCensus{}) << "cycle " << cycle;
        recorder.Clear();
    }
    EXPECT_FALSE(first_installed.empty());
    for (HWND w : windows)
        EXPECT_EQ(test::PropNames(w), before[w]);
    ExpectRoomForObjects();
}

// One hover, fade step, press, release, fade step and leave, as the user's mouse sends them.
void HoverPressRelease(HWND window, LPARAM at) {
    SendMessageW(window, WM_MOUSEMOVE, 0, at);
    SendMessageW(window, WM_TIMER, kFadeTimerId, 0);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(window, WM_LBUTTONUP, 0, at);
    SendMessageW(window, WM_TIMER, kFadeTimerId, 0);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
}

TEST(EngineSoak, ThousandsOfHoverPressReleaseSequences) {
    auto form = test::MakeForm();
    // The push button alone in its own frame, so that its releases redraw no check box.
    const HWND button_frame = test::AddChild(form.get(), L"TestFrame", L"", 0, 10, 10, 200, 60);
    const HWND button =
        test::AddChild(button_frame, L"Button", L"计算", BS_DEFPUSHBUTTON, 10, 10, 120, 36);
    const HWND check = test::AddChild(form.get(), L"ThunderRT6CheckBox", L"卵石", BS_AUTOCHECKBOX,
                                      10, 100, 100, 20);
    const HWND option = test::AddChild(form.get(), L"ThunderRT6OptionButton", L"细砂",
                                       BS_AUTORADIOBUTTON, 10, 130, 100, 20);
    const HWND combo =
        test::AddChild(form.get(), L"ComboBox", L"", CBS_DROPDOWNLIST, 10, 160, 120, 150);
    const HWND header = test::AddChild(form.get(), WC_HEADERW, L"", HDS_BUTTONS, 10, 200, 150, 24);
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = 70;
    item.pszText = const_cast<wchar_t*>(L"砂");
    SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const HWND windows[] = {button, check, option, combo, header};
    std::map<HWND, std::vector<std::wstring>> before;
    for (HWND w : windows)
        before[w] = test::PropNames(w);
    test::GdiRecorder recorder;
    ASSERT_EQ(InstallSkin(form.get()), 1);
    const auto images = ButtonImages(button);
    const test::GdiCensus installed = recorder.AliveByType();
    const LPARAM at = test::MousePosition({10, 10});
    test::MoveCursorTo(button, {10, 10});

    for (int i = 0; i < 5000; ++i)
        HoverPressRelease(button, at);
    for (int i = 0; i < 300; ++i) {
        for (HWND w : {check, option, combo, header})
            HoverPressRelease(w, at);
    }
    EXPECT_EQ(ButtonImages(button), images) << "the images were made again";
    // Hover, press and fade make only objects they free again.
    EXPECT_EQ(recorder.AliveByType(), installed);
    ASSERT_EQ(RemoveSkin(form.get()), 1);
    ExpectReleased(images);
    EXPECT_EQ(recorder.AliveByType(), test::GdiCensus{});
    EXPECT_FALSE(KillTimer(button, kFadeTimerId)) << "a fade timer outlived the skin";
    for (HWND w : windows)
        EXPECT_EQ(test::PropNames(w), before[w]);
    ExpectRoomForObjects();
}

} // namespace
} // namespace mixora::skin
