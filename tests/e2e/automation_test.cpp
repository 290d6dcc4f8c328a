// The built program driven from outside, by control IDs, as an automation client would:
// set fields, press "计算", answer the minimum-cement notice, read the results, close.
#include "control_ids.h"
#include "menu_ids.h"
#include "remote_window.h"

#include <gtest/gtest.h>

#include <string>

namespace mixora::automation {
namespace {

namespace ids = ui::ids;
namespace menu_ids = ui::menu_ids;

std::wstring BuildPath(const wchar_t* relative) {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path);
    // build/<preset>/tests/automation_tests.exe → build/<preset>/<relative>
    const size_t tests = self.rfind(L"\\tests\\");
    return self.substr(0, tests + 1) + relative;
}

std::wstring ProgramPath() {
    return BuildPath(L"ui\\Mixora.exe");
}

// Runs the automation client with these arguments; its exit code.
DWORD RunDrive(const std::wstring& arguments) {
    std::wstring command = L"\"" + BuildPath(L"tools\\mixora_drive.exe") + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { Start(L""); }

    void Start(const std::wstring& arguments) {
        std::wstring command = L"\"" + ProgramPath() + L"\" " + arguments;
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

    HWND FieldControl(calc::Field field) { return FindControl(form_, ids::Text(field)); }

    // Waits until the field shows the text; false after the timeout.
    bool WaitForText(calc::Field field, const std::wstring& text, DWORD timeout_ms = 20000) {
        const ULONGLONG deadline = GetTickCount64() + timeout_ms;
        while (GetTickCount64() < deadline) {
            if (GetText(FieldControl(field)) == text) return true;
            Sleep(100);
        }
        return false;
    }

    // Runs a menu command that opens a common file dialog, types the path into it and presses
    // its default button.
    void ChooseInFileDialog(int command, const std::wstring& path) {
        PostMessageW(form_, WM_COMMAND, static_cast<WPARAM>(command), 0);
        HWND dialog = WaitForMessageBox(process_.dwProcessId, 20000);
        ASSERT_NE(dialog, nullptr) << "no file dialog appeared";
        // The file name box: the combo box cmb13 of the explorer-style dialog, or the edit edt1.
        HWND name = GetDlgItem(dialog, 0x47C);
        if (!name) name = GetDlgItem(dialog, 0x480);
        ASSERT_NE(name, nullptr) << "the file dialog has no file name box";
        SetText(name, path);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        const ULONGLONG deadline = GetTickCount64() + 20000;
        while (IsWindow(dialog) && GetTickCount64() < deadline)
            Sleep(100);
        EXPECT_FALSE(IsWindow(dialog)) << "the file dialog stayed open";
        Sync(form_);
    }

    // Closes the program and waits for it to end.
    void CloseProgram() {
        PostMessageW(form_, WM_CLOSE, 0, 0);
        ASSERT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
    }

    PROCESS_INFORMATION process_{};
    HWND form_ = nullptr;
};

TEST_F(ProgramTest, CalculatesWithTheNoticeThenClosesCleanly) {
    EXPECT_EQ(GetText(form_), L"Mixora    2011423 Beta 1  By：Halvec");
    EXPECT_EQ(GetText(FieldControl(calc::Text1)), L"20");
    EXPECT_EQ(GetText(FieldControl(calc::Text11)), L"水泥");

    // A water content of 120 gives 230.77, below the minimum of 260.
    SetText(FieldControl(calc::Text26), L"120");
    HWND calculate = FindControl(form_, ids::Calculate);
    ASSERT_NE(calculate, nullptr);
    ClickAsync(calculate);

    HWND notice = WaitForMessageBox(process_.dwProcessId, 20000);
    ASSERT_NE(notice, nullptr) << "the minimum-cement notice did not appear";
    EXPECT_EQ(GetText(notice), L"Mixora");
    EXPECT_EQ(MessageBoxPrompt(notice), L"水泥用量小于最小值 故取260");
    ASSERT_TRUE(DismissMessageBox(notice, 10000));
    Sync(form_);

    EXPECT_EQ(GetText(FieldControl(calc::Text2)), L"26.58");
    EXPECT_EQ(GetText(FieldControl(calc::Text8)), L"0.52");
    EXPECT_EQ(GetText(FieldControl(calc::Text10)), L"1.92");
    EXPECT_EQ(GetText(FieldControl(calc::Text4)), L"260");
    EXPECT_EQ(GetText(FieldControl(calc::Text11)), L"260");
    EXPECT_EQ(GetText(FieldControl(calc::Text14)), L"120");
    EXPECT_EQ(GetText(FieldControl(calc::Text30)), L"1.00");
    EXPECT_FALSE(GetText(FieldControl(calc::Text12)).empty());

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

// The client presses nothing it was not asked to: a command it does not know gives the usage
// and 2, a control that is not there gives 1, and the sheet is untouched.
TEST_F(ProgramTest, DriveRefusesWhatItDoesNotKnow) {
    for (const wchar_t* arguments :
         {L"", L"bogus", L"set", L"set 1", L"set 34 x", L"click x", L"menu", L"menu x", L"move 1",
          L"--process x wait", L"--process 0 wait"})
        EXPECT_EQ(RunDrive(arguments), 2u) << std::wstring(arguments).size();
    EXPECT_EQ(RunDrive(L"click 9999"), 1u);
    EXPECT_EQ(GetText(FieldControl(calc::Text2)), L"");
    EXPECT_EQ(RunDrive(L"set 2 7"), 0u);
    EXPECT_EQ(GetText(FieldControl(calc::Text2)), L"7");
}

// "--process 1" finds the program started first (the only one here), and "move" puts its window
// where a picture of two programs side by side wants it.
TEST_F(ProgramTest, DriveMovesTheWindowOfTheProgramItChooses) {
    EXPECT_EQ(RunDrive(L"--process 1 move 40 30"), 0u);
    RECT placed{};
    GetWindowRect(form_, &placed);
    EXPECT_EQ(placed.left, 40);
    EXPECT_EQ(placed.top, 30);
}

// "menu ID" runs a menu command: 复制结果 puts the sheet, as shown, on the clipboard.
TEST_F(ProgramTest, DriveRunsAMenuCommand) {
    EXPECT_EQ(RunDrive(L"set 2 26.58"), 0u);
    EXPECT_EQ(RunDrive(L"menu " + std::to_wstring(menu_ids::kCopyResult)), 0u);
    Sync(form_);
    // Under Wine the clipboard's X11 side opens the clipboard for a moment after every change,
    // so it is read until it shows the copy or a few seconds have gone.
    const std::wstring expected = L"混凝土配置强度\t26.58\tMPa\r\n";
    std::wstring copied;
    for (const ULONGLONG deadline = GetTickCount64() + 10000; GetTickCount64() < deadline;
         Sleep(100)) {
        if (!OpenClipboard(nullptr)) continue;
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
        copied = text ? text : L"";
        if (text) GlobalUnlock(data);
        CloseClipboard();
        if (copied.find(expected) != std::wstring::npos) break;
    }
    EXPECT_NE(copied.find(expected), std::wstring::npos) << copied.size();
}

// The client reaches every window of the program by its title: a JGJ 55-2011 window's lists,
// fields and button, and the trial dialog that button opens, 编辑's commands on its field too.
TEST_F(ProgramTest, DriveReachesTheJgj55WindowAndItsTrialDialogByTitle) {
    const std::wstring jgj = L"--window \"Mixora  JGJ 55-2011\" ";
    const std::wstring trial = L"--window 试配与调整 ";
    EXPECT_EQ(RunDrive(L"menu " + std::to_wstring(menu_ids::kNewJgj55)), 0u);
    HWND window = WaitForTitled(L"Mixora  JGJ 55-2011", process_.dwProcessId, 20000);
    ASSERT_NE(window, nullptr);
    const auto text = [](HWND parent, int id) { return GetText(FindControl(parent, id)); };

    EXPECT_EQ(RunDrive(jgj + L"select 6001 C35"), 0u); // 强度等级, by its text
    EXPECT_EQ(RunDrive(jgj + L"select 6029 3"), 0u);   // 环境类别, by its index
    EXPECT_EQ(RunDrive(jgj + L"select 6001 C99"), 1u);
    EXPECT_EQ(RunDrive(jgj + L"set 6025 160"), 0u);
    EXPECT_EQ(text(window, 6001), L"C35");
    EXPECT_EQ(text(window, 6029), L"三a");
    EXPECT_EQ(text(window, 6201), L"43.2") << "fcu,0 follows the grade chosen";
    EXPECT_EQ(text(window, 6025), L"160");

    EXPECT_EQ(RunDrive(jgj + L"click 6214"), 0u); // 试配与调整…
    HWND dialog = WaitForTitled(L"试配与调整", process_.dwProcessId, 20000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(RunDrive(trial + L"set 7001 25"), 0u);
    EXPECT_EQ(RunDrive(trial + L"select 7161 \"200 mm\""), 0u);
    EXPECT_EQ(text(dialog, 7001), L"25");
    EXPECT_EQ(text(dialog, 7161), L"200 mm");
    EXPECT_EQ(text(dialog, 7501), L"试拌：已填写");
    // The focus is on 试拌体积: 全选 and 剪切 empty it, and the stage says what it lacks.
    EXPECT_EQ(RunDrive(trial + L"menu " + std::to_wstring(menu_ids::kSelectAll)), 0u);
    EXPECT_EQ(RunDrive(trial + L"menu " + std::to_wstring(menu_ids::kCut)), 0u);
    Sync(dialog);
    EXPECT_EQ(text(dialog, 7001), L"");
    EXPECT_NE(text(dialog, 7501), L"试拌：已填写");
    EXPECT_EQ(RunDrive(trial + L"click 1"), 0u); // 确定 (取消 would ask before dropping them)
    const ULONGLONG deadline = GetTickCount64() + 20000;
    while (IsWindow(dialog) && GetTickCount64() < deadline)
        Sleep(50);
    EXPECT_FALSE(IsWindow(dialog));
}

// A design saved through the save dialog opens through the open dialog, and again from the
// command line of a new start.
TEST_F(ProgramTest, ADesignSavedThroughTheDialogOpensAgainFromTheDialogAndTheCommandLine) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"mixora-e2e-" +
                              std::to_wstring(GetCurrentProcessId()) + L" 梁.mixora";
    DeleteFileW(path.c_str());

    SetText(FieldControl(calc::Text1), L"35");
    ChooseInFileDialog(menu_ids::kSaveAs, path);
    ASSERT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing was saved";
    EXPECT_NE(GetText(form_).find(L"梁.mixora"), std::wstring::npos) << "the title names the file";

    PostMessageW(form_, WM_COMMAND, menu_ids::kNew, 0);
    ASSERT_TRUE(WaitForText(calc::Text1, L"20"));
    ChooseInFileDialog(menu_ids::kOpen, path);
    EXPECT_TRUE(WaitForText(calc::Text1, L"35"));
    CloseProgram();

    Start(L"\"" + path + L"\"");
    EXPECT_TRUE(WaitForText(calc::Text1, L"35"));
    EXPECT_EQ(GetText(form_), L"Mixora    2011423 Beta 1  By：Halvec - " +
                                  path.substr(path.find_last_of(L'\\') + 1));
    DeleteFileW(path.c_str());
}

// Runs the program with these arguments and no window expected; its exit code and what it
// wrote on standard error (and, when asked for, to the file `output` as standard output).
DWORD RunProgram(const std::wstring& arguments, std::string& error_text,
                 const std::wstring& output = {}) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) return 0xFFFFFFFF;
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    std::wstring command = L"\"" + ProgramPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = write;
    HANDLE out = output.empty()
                     ? nullptr
                     : CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out != INVALID_HANDLE_VALUE) startup.hStdOutput = out;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(write);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) CloseHandle(out);
    DWORD code = 0xFFFFFFFF;
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got > 0)
            error_text.append(buffer, got);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(read);
    return code;
}

TEST(CommandLineExport, WritesTheReportOfADesignFileOrSaysWhyOnStandardError) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base =
        std::wstring(temp) + L"mixora-export-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring design = base + L".mixora", report = base + L".csv";
    {
        const std::string text = R"({"format": "mixora-design", "version": 2,
            "kind": "jgj55-2011", "design": {"grade": 35, "slump": 160}})";
        HANDLE file = CreateFileW(design.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string error_text;
    EXPECT_EQ(RunProgram(L"--export \"" + design + L"\" \"" + report + L"\"", error_text), 0u)
        << error_text;
    EXPECT_NE(GetFileAttributesW(report.c_str()), INVALID_FILE_ATTRIBUTES) << "no report";
    DeleteFileW(report.c_str());

    error_text.clear();
    EXPECT_EQ(RunProgram(L"--export \"" + base + L".missing\" \"" + report + L"\"", error_text),
              1u);
    EXPECT_NE(error_text.find("无法打开设计文件"), std::string::npos) << error_text;
    EXPECT_EQ(GetFileAttributesW(report.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(design.c_str());
}

std::string FileText(const std::wstring& path) {
    std::string text;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

void WriteText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

TEST(CommandLineLab, RegistersListsStepsAndExportsADesignOrSaysWhy) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base =
        std::wstring(temp) + L"mixora-lab-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring database = base + L" 实验室.sqlite", design = base + L".mixora",
                       exported = base + L"-导出.mixora", output = base + L".out";
    const std::string text = R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
        "design": {"grade": 35, "slump": 160}, "extra": {"report": {"project": "滨江大桥"}}})";
    WriteText(design, text);
    const std::wstring db = L"--db \"" + database + L"\" ";
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::string number = "PB-" + std::to_string(now.wYear) + "-0001";
    const std::wstring wide_number(number.begin(), number.end());

    std::string error_text;
    ASSERT_EQ(RunProgram(db + L"--as 张三 --register \"" + design + L"\"", error_text, output), 0u)
        << error_text;
    EXPECT_EQ(FileText(output), number + "\r\n");
    EXPECT_EQ(RunProgram(db + L"--list", error_text, output), 0u) << error_text;
    EXPECT_EQ(FileText(output), number + "\tA\t草稿\tC35\t滨江大桥\r\n");
    EXPECT_EQ(RunProgram(db + L"--approve " + wide_number + L" --as 王五", error_text), 1u);
    EXPECT_NE(error_text.find("不能批准"), std::string::npos) << error_text;
    EXPECT_EQ(RunProgram(db + L"--review " + wide_number + L" --as 李四", error_text), 0u);
    EXPECT_EQ(RunProgram(db + L"--approve " + wide_number + L" --as 王五", error_text), 0u);
    EXPECT_EQ(
        RunProgram(db + L"--export-design " + wide_number + L" \"" + exported + L"\"", error_text),
        0u);
    EXPECT_EQ(FileText(exported), text);

    error_text.clear();
    WriteText(design, "不是数据库");
    EXPECT_EQ(RunProgram(L"--db \"" + design + L"\" --list", error_text), 1u);
    EXPECT_NE(error_text.find("已损坏"), std::string::npos) << error_text;
    EXPECT_EQ(FileText(design), "不是数据库");
    for (const std::wstring& path : {database, design, exported, output})
        DeleteFileW(path.c_str());
    DeleteFileW((database + L"-wal").c_str());
    DeleteFileW((database + L"-shm").c_str());
}

// The environment's text (the tests' lab server, given by scripts/test); empty when unset.
std::wstring Variable(const wchar_t* name) {
    wchar_t value[2048]{};
    const DWORD length = GetEnvironmentVariableW(name, value, 2048);
    return length > 0 && length < 2048 ? std::wstring(value, length) : std::wstring();
}

// The same commands on the shared database, through Windows' ODBC: each login takes its own
// steps, and the server refuses the others.
TEST(CommandLineLab, WorksOnASharedDatabaseAsEachLoginAndSaysWhatTheServerRefuses) {
    const std::wstring tester = Variable(L"MIXORA_TEST_ODBC_TESTER"),
                       reviewer = Variable(L"MIXORA_TEST_ODBC_REVIEWER"),
                       approver = Variable(L"MIXORA_TEST_ODBC_APPROVER");
    if (tester.empty() || reviewer.empty() || approver.empty())
        GTEST_SKIP() << "no lab server given (scripts/test starts one)";
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base =
        std::wstring(temp) + L"mixora-shared-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring design = base + L".mixora", output = base + L".out";
    WriteText(design, R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
        "design": {"grade": 35, "slump": 160}, "extra": {"report": {"project": "滨江大桥"}}})");
    const auto as = [](const std::wstring& login) { return L"--db \"odbc:" + login + L"\" "; };

    std::string error_text;
    ASSERT_EQ(RunProgram(as(tester) + L"--register \"" + design + L"\"", error_text, output), 0u)
        << error_text;
    std::string number = FileText(output);
    ASSERT_TRUE(number.ends_with("\r\n")) << number;
    number.resize(number.size() - 2);
    const std::wstring wide_number(number.begin(), number.end());
    EXPECT_EQ(RunProgram(as(reviewer) + L"--review " + wide_number, error_text), 0u) << error_text;
    EXPECT_EQ(RunProgram(as(tester) + L"--approve " + wide_number, error_text), 1u);
    EXPECT_NE(error_text.find("不是“批准”角色的成员"), std::string::npos) << error_text;
    EXPECT_EQ(RunProgram(as(approver) + L"--approve " + wide_number, error_text), 0u) << error_text;
    EXPECT_EQ(RunProgram(as(tester) + L"--list", error_text, output), 0u) << error_text;
    EXPECT_NE(FileText(output).find(number + "\tA\t已批准\tC35\t滨江大桥\r\n"), std::string::npos)
        << FileText(output);

    error_text.clear();
    EXPECT_EQ(RunProgram(L"--db \"odbc:Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;"
                         L"Database=x;Uid=x;Pwd=x;\" --list",
                         error_text),
              1u);
    EXPECT_NE(error_text.find("无法连接共享数据库服务器"), std::string::npos) << error_text;
    DeleteFileW(design.c_str());
    DeleteFileW(output.c_str());
}

} // namespace
} // namespace mixora::automation
