// What keeps a design file from being lost or mixed up: relative paths made absolute, read-only
// files and folders refused by name, saves through a symbolic link reaching its target, and a
// question before replacing a file another program has changed.
#include "design_window_fixture.h"
#include "file_fakes.h"
#include "file_io.h"
#include "menu_ids.h"
#include "recent_store.h"
#include "utf.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace mixora::ui::testing {
namespace {

bool Contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

class DesignFileSafetyTest : public DesignWindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        wchar_t temp[MAX_PATH]{};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"mixora-safe-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(folder.c_str(), nullptr);
        settings_key = L"Software\\MixoraTests\\safe" + std::to_wstring(GetCurrentProcessId());
        options.file_dialogs = &dialogs;
        options.settings_key = settings_key;
        wchar_t current[MAX_PATH]{};
        GetCurrentDirectoryW(MAX_PATH, current);
        started_in = current;
    }

    void TearDown() override {
        DesignWindowTest::TearDown();
        SetCurrentDirectoryW(started_in.c_str());
        // A link goes first: under Wine, remove_all loops on a link whose target it removed.
        for (const std::wstring& link : links)
            DeleteFileW(link.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, settings_key.c_str());
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::wstring PathOf(const std::wstring& name) const { return folder + L"\\" + name; }

    std::wstring Title() const {
        wchar_t title[512]{};
        GetWindowTextW(window->hwnd(), title, 512);
        return title;
    }

    bool SaveAs(const std::wstring& path) {
        dialogs.save_path = path;
        return window->SaveDesignAs();
    }

    bool NoTemporaryFileIn(const std::wstring& in) const {
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((in + L"\\*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return true;
        FindClose(search);
        return false;
    }

    std::wstring folder, settings_key, started_in;
    std::vector<std::wstring> links; // symbolic links made in `folder`
    AnsweringDialogs dialogs;
};

TEST_F(DesignFileSafetyTest, ARelativePathIsKeptAbsoluteAndNamesTheSameFileFromAnotherFolder) {
    const std::wstring a = PathOf(L"甲"), b = PathOf(L"乙");
    ASSERT_TRUE(CreateDirectoryW(a.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(b.c_str(), nullptr));
    Type(Text1, L"25");
    ASSERT_TRUE(SaveAs(a + L"\\d.mixora"));
    Type(Text1, L"30");
    ASSERT_TRUE(SaveAs(b + L"\\d.mixora"));
    const std::string in_b = ReadBytes(b + L"\\d.mixora");
    ASSERT_TRUE(window->NewDesign());

    // Mixora.exe d.mixora, started in 甲.
    ASSERT_TRUE(SetCurrentDirectoryW(a.c_str()));
    ASSERT_TRUE(window->OpenDesign(L"d.mixora"));
    EXPECT_EQ(window->design_path(), a + L"\\d.mixora");
    EXPECT_EQ(LoadRecentDesigns(settings_key).front(), a + L"\\d.mixora");
    EXPECT_EQ(Title(), std::wstring(kWindowTitle) + L" - d.mixora");

    // Started again in 乙: the recent design is still 甲's, and 保存 writes 甲's.
    ASSERT_TRUE(window->NewDesign());
    ASSERT_TRUE(SetCurrentDirectoryW(b.c_str()));
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kRecentFirst, 0);
    EXPECT_EQ(window->design_path(), a + L"\\d.mixora");
    EXPECT_EQ(Text(Text1), L"25");
    Type(Text1, L"26");
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_NE(ReadBytes(a + L"\\d.mixora").find("\"Text1\": \"26\""), std::string::npos);
    EXPECT_EQ(ReadBytes(b + L"\\d.mixora"), in_b);

    // A relative name typed for 另存为 lands in the current folder and is kept absolute.
    ASSERT_TRUE(SaveAs(L"新.mixora"));
    EXPECT_EQ(window->design_path(), b + L"\\新.mixora");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DesignFileSafetyTest, ARelativeRecentEntryFromAnEarlierVersionIsNotOffered) {
    const std::wstring full = PathOf(L"r.mixora");
    ASSERT_TRUE(SaveRecentDesigns(settings_key, {L"d.mixora", full, L"..\\e.mixora"}));
    EXPECT_EQ(LoadRecentDesigns(settings_key), std::vector<std::wstring>{full});
    EXPECT_TRUE(IsFullPath(L"\\\\server\\share\\x.mixora"));
    EXPECT_FALSE(IsFullPath(L"C:x.mixora"));
    EXPECT_FALSE(IsFullPath(L"\\x.mixora"));
}

TEST_F(DesignFileSafetyTest, AReadOnlyDesignIsNotReplacedAndTheMessageSuggestsSaveAs) {
    const std::wstring path = PathOf(L"只读.mixora");
    ASSERT_TRUE(SaveAs(path));
    const std::string old = ReadBytes(path);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    Type(Text3, L"8");
    EXPECT_FALSE(window->SaveDesign());
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"无法保存设计文件“" + path +
                                       L"”：这是只读文件，不能替换。\n\n"
                                       L"请用“另存为”保存到其他文件。");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_TRUE(window->IsModified());
    EXPECT_TRUE(NoTemporaryFileIn(folder));
}

TEST_F(DesignFileSafetyTest, AFolderIsNamedAsAFolderAndNothingChanges) {
    const std::wstring good = PathOf(L"good.mixora"), named = PathOf(L"文件夹.mixora");
    ASSERT_TRUE(SaveAs(good));
    ASSERT_TRUE(CreateDirectoryW(named.c_str(), nullptr));
    Type(Text3, L"7");
    const std::wstring before = Text(Text3);

    EXPECT_FALSE(window->OpenDesign(named));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              L"无法打开设计文件“" + named + L"”：\n这是一个文件夹，不是文件。");
    EXPECT_EQ(Text(Text3), before);
    EXPECT_EQ(window->design_path(), good);

    EXPECT_FALSE(SaveAs(named));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, L"无法保存设计文件“" + named + L"”：这是一个文件夹，不是文件。");
    EXPECT_EQ(GetFileAttributesW(named.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(window->design_path(), good);
    EXPECT_TRUE(NoTemporaryFileIn(folder));
}

// A symbolic link `link` → `target` (a name in the same folder). Under Wine, made by Linux's ln
// on the folder's Linux path (Wine's CreateSymbolicLinkW does nothing); false when it cannot be
// made.
bool MakeSymbolicLink(const std::wstring& link, const std::wstring& target) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unix_name = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unix_name) {
        if (!CreateSymbolicLinkW(link.c_str(), target.c_str(),
                                 SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
            return false;
    } else {
        char* name = unix_name(link.c_str());
        if (!name) return false;
        std::wstring command = L"/bin/ln -s \"" + target + L"\" \"" + Widen(name) + L"\"";
        HeapFree(GetProcessHeap(), 0, name);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    // Wine does not wait for a Linux program: look for the link a while.
    for (int i = 0; i < 100; ++i) {
        if (GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(50);
    }
    return false;
}

TEST_F(DesignFileSafetyTest, SavingThroughASymbolicLinkReplacesItsTarget) {
    const std::wstring target = PathOf(L"target.mixora"), link = PathOf(L"link.mixora");
    ASSERT_TRUE(SaveAs(target));
    ASSERT_TRUE(window->NewDesign());
    links.push_back(link);
    if (!MakeSymbolicLink(link, L"target.mixora")) GTEST_SKIP() << "no symbolic link here";

    ASSERT_TRUE(window->OpenDesign(link));
    Type(Text3, L"9");
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_NE(ReadBytes(target).find("\"Text3\": \"9\""), std::string::npos);
    EXPECT_EQ(window->design_path(), link);
    EXPECT_EQ(Title(), std::wstring(kWindowTitle) + L" - link.mixora");
    // Still a link: what is written to the target reads through it.
    WriteBytes(target, "changed");
    EXPECT_EQ(ReadBytes(link), "changed");
    EXPECT_TRUE(NoTemporaryFileIn(folder));
    EXPECT_TRUE(boxes.shown.empty());
}

// Sets the file's last-write time an hour later, its size unchanged.
void TouchLater(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written{};
    GetFileTime(file, nullptr, nullptr, &written);
    ULARGE_INTEGER ticks{{written.dwLowDateTime, written.dwHighDateTime}};
    ticks.QuadPart += 3600ULL * 10'000'000ULL;
    written = {ticks.LowPart, ticks.HighPart};
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
}

TEST_F(DesignFileSafetyTest, ADesignChangedByAnotherProgramIsReplacedOnlyWhenTheUserSays) {
    const std::wstring path = PathOf(L"共享.mixora"), other = PathOf(L"副本.mixora");
    ASSERT_TRUE(SaveAs(path));
    Type(Text3, L"9");
    const std::string theirs = R"({"format": "mixora-design", "version": 1,
        "fields": {"Text1": "另一个程序写的"}, "options": {"option1": true}})";
    WriteBytes(path, theirs);

    // 取消: nothing is written.
    boxes.answers = {IDCANCEL};
    EXPECT_FALSE(window->SaveDesign());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, kChangedOnDiskStyle);
    EXPECT_TRUE(
        Contains(boxes.shown[0].text, L"“" + path + L"”在打开或上次保存之后已被其他程序修改"));
    EXPECT_EQ(ReadBytes(path), theirs);
    EXPECT_TRUE(window->IsModified());

    // 另存为: the design goes to another file; theirs stays.
    boxes.answers = {IDNO};
    dialogs.save_path = other;
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_EQ(window->design_path(), other);
    EXPECT_NE(ReadBytes(other).find("\"Text3\": \"9\""), std::string::npos);
    EXPECT_EQ(ReadBytes(path), theirs);

    // Read again: nothing changed since, so no question.
    ASSERT_TRUE(window->OpenDesign(path));
    Type(Text3, L"10");
    boxes.shown.clear();
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_TRUE(boxes.shown.empty());

    // Written again with the same size: 覆盖 replaces it, and the next 保存 asks nothing.
    TouchLater(path);
    Type(Text3, L"11");
    boxes.answers = {IDYES};
    ASSERT_TRUE(window->SaveDesign());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(ReadBytes(path).find("\"Text3\": \"11\""), std::string::npos);
    Type(Text3, L"12");
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(DesignFileSafetyTest, ARefusedFileLeavesTheSheetAndTheFileItIsTiedTo) {
    const std::wstring good = PathOf(L"good.mixora"), big = PathOf(L"big.mixora");
    ASSERT_TRUE(SaveAs(good));
    Type(Text3, L"7");
    WriteBytes(big, std::string(1024 * 1024 + 1, ' '));
    EXPECT_FALSE(window->OpenDesign(big));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"无法打开设计文件“" + big + L"”：\n文件过大（超过 1024 KiB）");
    const std::wstring text = PathOf(L"text.mixora");
    WriteBytes(text, "C30 梁");
    EXPECT_FALSE(window->OpenDesign(text));
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(Text(Text3), L"7");
    EXPECT_EQ(window->design_path(), good);
    // The refused files' stamps were not taken for the open one's: 保存 asks nothing.
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_EQ(boxes.shown.size(), 2u);
}

// The real message box of the question names its buttons after what they do.
struct SeenButtons {
    std::wstring yes, no, cancel;
};
SeenButtons g_buttons;

BOOL CALLBACK ReadAndCancel(HWND box, LPARAM) {
    wchar_t name[16]{};
    GetClassNameW(box, name, 16);
    if (lstrcmpW(name, L"#32770") != 0) return TRUE;
    const auto text = [box](int id) {
        wchar_t buffer[64]{};
        GetDlgItemTextW(box, id, buffer, 64);
        return std::wstring(buffer);
    };
    g_buttons = {text(IDYES), text(IDNO), text(IDCANCEL)};
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK LookForQuestion(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), ReadAndCancel, 0);
}

TEST(QuestionButtons, TheChangedFileQuestionReadsOverwriteSaveAsCancel) {
    SystemMessageBoxes boxes;
    for (const auto& [style, yes, no] :
         {std::tuple{kChangedOnDiskStyle, L"覆盖(&O)", L"另存为(&A)..."},
          std::tuple{kSavePromptStyle, L"保存(&S)", L"不保存(&N)"}}) {
        g_buttons = {};
        const UINT_PTR timer = SetTimer(nullptr, 0, 100, LookForQuestion);
        EXPECT_EQ(boxes.Show(nullptr, L"问题", kProgramTitle, style), IDCANCEL);
        KillTimer(nullptr, timer);
        EXPECT_EQ(g_buttons.yes, yes);
        EXPECT_EQ(g_buttons.no, no);
        EXPECT_EQ(g_buttons.cancel, L"取消");
    }
}

} // namespace
} // namespace mixora::ui::testing
