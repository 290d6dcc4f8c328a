// Keyboard use of the design window: the focus order, arrows in option groups, and Enter and
// Escape, which press no button.
#include "design_window_fixture.h"
#include "layout.h"

namespace mixora::ui::testing {
namespace {

class KeyboardTest : public DesignWindowTest {
  protected:
    // A key as the message loop sees it, to the control with the focus.
    bool Key(UINT message, WPARAM key) {
        MSG msg{};
        msg.hwnd = GetFocus();
        msg.message = message;
        msg.wParam = key;
        return window->PreTranslateMessage(msg);
    }
};

TEST_F(KeyboardTest, TabFollowsTheFocusOrderAcrossGroups) {
    const auto order = FocusOrder();
    ASSERT_EQ(order.size(), 43u);
    EXPECT_EQ(order[0], ids::粗砂);
    EXPECT_EQ(order[5], ids::option2);
    EXPECT_EQ(order[6], ids::Command(1));
    EXPECT_EQ(order[10], ids::Text(Text1));
    EXPECT_EQ(order[42], ids::Text(Text33));

    SetFocus(Control(order[0]));
    for (size_t i = 1; i <= order.size(); ++i) {
        EXPECT_TRUE(Key(WM_KEYDOWN, VK_TAB));
        EXPECT_EQ(GetFocus(), Control(order[i % order.size()])) << "step " << i;
    }
}

TEST_F(KeyboardTest, ShiftTabGoesBack) {
    SetFocus(Control(ids::Text(Text1)));
    window->MoveFocus(true);
    EXPECT_EQ(GetFocus(), Control(ids::Command(4)));
    window->MoveFocus(true);
    EXPECT_EQ(GetFocus(), Control(ids::Command(3)));
    SetFocus(Control(ids::粗砂));
    window->MoveFocus(true);
    EXPECT_EQ(GetFocus(), Control(ids::Text(Text33)));
}

TEST_F(KeyboardTest, TabIntoAFieldSelectsItsText) {
    SetFocus(Control(ids::Command(4)));
    Key(WM_KEYDOWN, VK_TAB);
    ASSERT_EQ(GetFocus(), Control(ids::Text(Text1)));
    DWORD start = 1, end = 0;
    SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u); // "20"
}

TEST_F(KeyboardTest, ArrowsMoveWithinAnOptionGroup) {
    SetFocus(Control(ids::option1));
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_DOWN));
    Pump();
    EXPECT_EQ(GetFocus(), Control(ids::option2));
    EXPECT_TRUE(Checked(ids::option2));
    EXPECT_FALSE(Checked(ids::option1));
    // The other group is untouched.
    EXPECT_TRUE(Checked(ids::细砂));
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_UP));
    EXPECT_TRUE(Checked(ids::option1));
}

TEST_F(KeyboardTest, EnterAndEscapePressNoButton) {
    SetFocus(Control(ids::Text(Text1)));
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(Key(WM_CHAR, L'\r'));
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_TRUE(Key(WM_CHAR, 0x1b));
    Pump();
    EXPECT_EQ(Text(Text2), L"");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(exits, 0);
    // Ordinary typing goes through.
    EXPECT_FALSE(Key(WM_CHAR, L'5'));
}

TEST_F(KeyboardTest, ComingBackToTheWindowRestoresTheFocusedField) {
    HWND field = Control(ids::Text(Text5));
    SetFocus(field);
    SendMessageW(window->hwnd(), WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(window->hwnd()); // as when a message box took the focus and gave it back
    SendMessageW(window->hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), field);
}

TEST_F(KeyboardTest, KeysOfOtherWindowsAreLeftAlone) {
    MSG msg{};
    msg.hwnd = GetDesktopWindow();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_FALSE(window->PreTranslateMessage(msg));
}

} // namespace
} // namespace mixora::ui::testing
