// The built program driven from outside, by control IDs, as an automation client would:
// set fields, press "计算", answer the minimum-cement notice, read the results, close.
#include "control_ids.h"
#include "remote_window.h"

#include <gtest/gtest.h>

#include <string>

namespace mixora::automation {
namespace {

namespace ids = ui::ids;

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path);
    // build/<preset>/tests/automation_tests.exe → build/<preset>/ui/Mixora.exe
    const size_t tests = self.rfind(L"\\tests\\");
    return self.substr(0, tests) + L"\\ui\\Mixora.exe";
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::wstring command = L"\"" + ProgramPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process_))
            << "cannot start " << std::string(command.begin(), command.end());
        WaitForInputIdle(process_.hProcess, 10000);
        form_ = WaitForForm(process_.dwProcessId, 20000);
        ASSERT_NE(form_, nullptr);
    }

    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 99);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }

    HWND Field(int n) { return FindControl(form_, ids::Text(n)); }

    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

TEST_F(ProgramTest, CalculatesWithTheNoticeThenClosesCleanly) {
    EXPECT_EQ(GetText(form_), L"Mixora    2011423 Beta 1  By：Halvec");
    EXPECT_EQ(GetText(Field(1)), L"20");
    EXPECT_EQ(GetText(Field(11)), L"水泥");

    // A water content of 120 gives 230.77, below the minimum of 260.
    SetText(Field(26), L"120");
    HWND calculate = FindControl(form_, ids::Calculate);
    ASSERT_NE(calculate, nullptr);
    ClickAsync(calculate);

    HWND notice = WaitForMessageBox(process_.dwProcessId, 20000);
    ASSERT_NE(notice, nullptr) << "the minimum-cement notice did not appear";
    EXPECT_EQ(GetText(notice), L"Mixora");
    EXPECT_EQ(MessageBoxPrompt(notice), L"水泥用量小于最小值 故取260");
    ASSERT_TRUE(DismissMessageBox(notice, 10000));
    Sync(form_);

    EXPECT_EQ(GetText(Field(2)), L"26.58");
    EXPECT_EQ(GetText(Field(8)), L"0.52");
    EXPECT_EQ(GetText(Field(10)), L"1.92");
    EXPECT_EQ(GetText(Field(4)), L"260");
    EXPECT_EQ(GetText(Field(11)), L"260");
    EXPECT_EQ(GetText(Field(14)), L"120");
    EXPECT_EQ(GetText(Field(30)), L"1.00");
    EXPECT_FALSE(GetText(Field(12)).empty());

    // Closing the window unloads it and ends the program normally.
    PostMessageW(form_, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 1234;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

TEST_F(ProgramTest, ExitButtonEndsTheProgramAtOnce) {
    HWND exit = FindControl(form_, ids::Exit);
    ASSERT_NE(exit, nullptr);
    ClickAsync(exit);
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 1234;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

} // namespace
} // namespace mixora::automation
