// The design window in its skinned look: loading takes every control over, unloading gives
// every one back, and message boxes it opens are skinned while they are up.
#include "design_window_fixture.h"
#include "engine_state.h"
#include "handles.h"
#include "props.h"
#include "skin.h"
#include "subclass.h"
#include "test_windows.h"

#include <vector>

namespace mixora::ui::testing {
namespace {

using skin::test::Descendants;

// The skin's keys a window carries now.
int SkinKeys(HWND window) {
    static const wchar_t* const keys[] = {skin::props::kProcAddr,
                                          skin::props::kOldStyle,
                                          skin::props::kMouseFlag,
                                          skin::props::kTimerId,
                                          skin::props::kOldState,
                                          skin::props::kAlphaLevel,
                                          skin::props::kHdIndex,
                                          skin::props::kHmIndex,
                                          L"HDC0",
                                          L"HDC1",
                                          L"HDC2",
                                          L"HDC3",
                                          L"BMP0",
                                          L"BMP1",
                                          L"BMP2",
                                          L"BMP3"};
    int count = 0;
    for (const wchar_t* key : keys)
        count += GetPropW(window, key) != nullptr;
    return count;
}

TEST_F(DesignWindowTest, LoadingSkinsEveryControlAndUnloadingReleasesThem) {
    HWND form = window->hwnd();
    const std::vector<HWND> controls = Descendants(form);
    ASSERT_EQ(controls.size(), 9u + 25u + 33u + 6u + 4u);
    EXPECT_TRUE(skin::SkinReady());
    EXPECT_EQ(skin::SubclassCount(), static_cast<int>(controls.size()) + 1);
    EXPECT_TRUE(skin::IsSubclassed(form));
    for (HWND control : controls)
        EXPECT_TRUE(skin::IsSubclassed(control));

    // The push buttons carry their four faces and a rounded region.
    HWND calculate = Control(ids::Calculate);
    for (const wchar_t* key : {L"HDC0", L"HDC1", L"HDC2", L"HDC3"})
        EXPECT_NE(GetPropW(calculate, key), nullptr) << key;
    base::unique_hrgn region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(GetWindowRgn(calculate, region.get()), ERROR);

    // What unloading does, before the window goes.
    skin::RemoveSkin(form);
    EXPECT_EQ(skin::SubclassCount(), 0);
    EXPECT_FALSE(skin::SkinReady());
    EXPECT_EQ(SkinKeys(form), 0);
    for (HWND control : controls)
        EXPECT_EQ(SkinKeys(control), 0);
    EXPECT_EQ(GetWindowRgn(calculate, region.get()), ERROR);
    EXPECT_EQ(GetWindowLongPtrW(calculate, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

    // The calculator works the same without the skin.
    PressCalculate();
    EXPECT_EQ(Text(Text4), L"346.15");
}

TEST_F(DesignWindowTest, ClosingTheWindowReleasesEverything) {
    SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(skin::SubclassCount(), 0);
    EXPECT_FALSE(skin::SkinReady());
}

// A message box of the design window, seen while it is up, then closed.
struct BoxSeen {
    bool found = false;
    bool skinned = false;
    int count_while_up = 0;
};
BoxSeen g_seen;

BOOL CALLBACK FindBox(HWND window, LPARAM) {
    wchar_t name[16]{};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") != 0) return TRUE;
    g_seen.found = true;
    g_seen.skinned = skin::IsSubclassed(window);
    g_seen.count_while_up = skin::SubclassCount();
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK LookForBox(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), FindBox, 0);
    if (g_seen.found) KillTimer(nullptr, timer);
}

TEST(SkinnedMessageBox, IsSkinnedWhileUpAndReleasedWhenClosed) {
    SystemMessageBoxes boxes;
    DesignWindowOptions options;
    options.message_boxes = &boxes;
    options.quit_on_destroy = false;
    auto window = DesignWindow::Create(GetModuleHandleW(nullptr), options);
    ASSERT_NE(window, nullptr);
    window->Show(SW_SHOWNORMAL);
    const int count = skin::SubclassCount();

    g_seen = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, LookForBox);
    window->OnHelp(); // returns when the box is closed
    KillTimer(nullptr, timer);

    ASSERT_TRUE(g_seen.found);
    EXPECT_TRUE(g_seen.skinned);
    EXPECT_GT(g_seen.count_while_up, count); // the box and its controls
    EXPECT_EQ(skin::SubclassCount(), count);
}

} // namespace
} // namespace mixora::ui::testing
