// The form kit's reach: 编辑's commands (撤销, 剪切, 全选 …) and Tab act on the focused field of a
// JGJ 55-2011 window and of its trial dialog as they do on the cement sheet.
#include "jgj55_window_fixture.h"
#include "menu_ids.h"
#include "modal_driver.h"
#include "trial_dialog.h"
#include "trial_ids.h"

#include <utility>

namespace mixora::ui::testing {
namespace {

namespace t = trial_ids;

using Selection = std::pair<DWORD, DWORD>;

Selection SelectionOf(HWND field) {
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

Selection Whole(HWND field) {
    return {0, static_cast<DWORD>(GetWindowTextLengthW(field))};
}

std::wstring TextOf(HWND control) {
    wchar_t buffer[512]{};
    GetWindowTextW(control, buffer, 512);
    return buffer;
}

// A menu command as the menu sends it.
void RunCommand(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

using KitReachTest = Jgj55WindowTest;

TEST_F(KitReachTest, EditCommandsAndTabActOnTheFocusedFieldOfTheJgj55Sheet) {
    HWND slump = Control(j::Slump);
    const std::wstring typed = Get(j::Slump);
    ASSERT_FALSE(typed.empty());
    // Tab from the list before it reaches the field with its text selected, for typing over.
    SetFocus(Control(j::Structure));
    window->MoveFocus(false);
    ASSERT_EQ(GetFocus(), slump);
    EXPECT_EQ(SelectionOf(slump), Whole(slump));

    // 剪切 empties the field, and the design says what it lacks; 撤销 brings the text back.
    RunCommand(window->hwnd(), menu_ids::kCut);
    EXPECT_EQ(Get(j::Slump), L"");
    EXPECT_NE(Get(j::Status).find(L"坍落度"), std::wstring::npos) << Get(j::Status);
    RunCommand(window->hwnd(), menu_ids::kUndo);
    EXPECT_EQ(Get(j::Slump), typed);
    EXPECT_TRUE(Get(j::Status).starts_with(L"计算完成")) << Get(j::Status);

    // A computed value is read-only: 全选 selects it to copy, 剪切 leaves it.
    HWND cement = Control(j::Cement);
    const std::wstring computed = Get(j::Cement);
    SetFocus(cement);
    RunCommand(window->hwnd(), menu_ids::kSelectAll);
    EXPECT_EQ(SelectionOf(cement), Whole(cement));
    RunCommand(window->hwnd(), menu_ids::kCut);
    EXPECT_EQ(Get(j::Cement), computed);
}

TEST_F(KitReachTest, EditCommandsReachTheFocusedFieldOfTheTrialDialog) {
    boxes.answers = {IDNO}; // 取消 asks before the entries go: 放弃
    ModalDriver::Drive(
        kTrialDialogTitle,
        [](HWND dialog) {
            HWND litres = ModalDriver::Find(dialog, t::Litres);
            HWND stage = ModalDriver::Find(dialog, t::Stage(0));
            SendMessageW(litres, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"25"));
            const std::wstring filled = TextOf(stage);
            EXPECT_EQ(GetFocus(), litres);
            RunCommand(dialog, menu_ids::kSelectAll);
            EXPECT_EQ(SelectionOf(litres), Whole(litres));
            RunCommand(dialog, menu_ids::kCut);
            EXPECT_EQ(TextOf(litres), L"");
            EXPECT_NE(TextOf(stage), filled) << "the stage follows the field";
            RunCommand(dialog, menu_ids::kUndo);
            EXPECT_EQ(TextOf(litres), L"25");
            EXPECT_EQ(TextOf(stage), filled);
            SendMessageW(ModalDriver::Find(dialog, IDCANCEL), BM_CLICK, 0, 0);
            return true;
        },
        [this] { SendMessageW(Control(j::Trial), BM_CLICK, 0, 0); });
}

// The form writes a control only when its text changes; the list of checks, whose scroll bar is
// left undrawn while it is written, shows the new text and stays on screen.
TEST_F(KitReachTest, TheFormWritesOnlyAChangedTextAndTheChecksStayOnScreen) {
    Form& form = sheet->form();
    const std::wstring checks = Get(j::Checks);
    EXPECT_FALSE(form.Write(j::Checks, checks));
    EXPECT_TRUE(form.Write(j::Checks, L"【符合】一\r\n【不符合】二"));
    EXPECT_EQ(Get(j::Checks), L"【符合】一\r\n【不符合】二");
    EXPECT_TRUE(IsWindowVisible(Control(j::Checks)));
    Set(j::Slump, L"55");
    EXPECT_NE(Get(j::Checks), L"【符合】一\r\n【不符合】二")
        << "a keystroke writes the checks again";
    EXPECT_TRUE(IsWindowVisible(Control(j::Checks)));
}

} // namespace
} // namespace mixora::ui::testing
