// The design as a document on the real window: files written and read back, the title, the
// question before changes are lost, bad files, failed saves, the recent designs and a drop.
#include "design_window_fixture.h"
#include "file_fakes.h"
#include "menu_bar.h"
#include "menu_ids.h"
#include "recent_store.h"
#include "report_info.h"
#include "utf.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace mixora::ui::testing {
namespace {

class DocumentTest : public DesignWindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        wchar_t temp[MAX_PATH]{};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"mixora-doc-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(folder.c_str(), nullptr);
        settings_key = L"Software\\MixoraTests\\" + std::to_wstring(GetCurrentProcessId());
        options.file_dialogs = &dialogs;
        options.settings_key = settings_key;
    }

    void TearDown() override {
        DesignWindowTest::TearDown();
        RegDeleteTreeW(HKEY_CURRENT_USER, settings_key.c_str());
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::wstring PathOf(const wchar_t* name) const { return folder + L"\\" + name; }

    std::wstring Title() const {
        wchar_t title[512]{};
        GetWindowTextW(window->hwnd(), title, 512);
        return title;
    }

    bool SaveAs(const std::wstring& path) {
        dialogs.save_path = path;
        return window->SaveDesignAs();
    }

    // Every text and option of the window, to see that nothing changed.
    std::vector<std::wstring> Everything() const {
        std::vector<std::wstring> all;
        for (const calc::Field field : calc::kAllFields)
            all.push_back(Text(field));
        for (int id : {ids::option1, ids::option2, ids::细砂, ids::粗砂, ids::卵石, ids::碎石})
            all.push_back(Checked(id) ? L"on" : L"off");
        return all;
    }

    std::wstring folder;
    std::wstring settings_key;
    AnsweringDialogs dialogs;
};

TEST_F(DocumentTest, ASavedDesignOpensWithEveryFieldAndOption) {
    PressCalculate();
    Type(Text1, L"C30 梁（二层）");
    Type(Text5, L"");
    Type(Text27, L"不是数值 \"引号\" \\ 反斜杠");
    Click(ids::option2);
    Click(ids::粗砂);
    Click(ids::碎石);
    const auto saved = Everything();
    ASSERT_TRUE(SaveAs(PathOf(L"设计 一.mixora")));

    ASSERT_TRUE(window->NewDesign());
    EXPECT_NE(Everything(), saved);
    EXPECT_EQ(window->design_path(), std::nullopt);
    EXPECT_EQ(Title(), kWindowTitle);

    ASSERT_TRUE(window->OpenDesign(PathOf(L"设计 一.mixora")));
    EXPECT_EQ(Everything(), saved);
    EXPECT_EQ(Title(), std::wstring(kWindowTitle) + L" - 设计 一.mixora");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DocumentTest, TheTitleMarksADifferenceNotAKeyPress) {
    ASSERT_TRUE(SaveAs(PathOf(L"a.mixora")));
    const std::wstring clean = std::wstring(kWindowTitle) + L" - a.mixora";
    EXPECT_EQ(Title(), clean);
    Type(Text3, L"45");
    Pump();
    EXPECT_EQ(Title(), std::wstring(kWindowTitle) + L" - *a.mixora");
    EXPECT_TRUE(window->IsModified());
    Type(Text3, L"4");
    Pump();
    EXPECT_EQ(Title(), clean);
    Click(ids::option2);
    Pump();
    EXPECT_TRUE(window->IsModified());
}

TEST_F(DocumentTest, TheQuestionComesOnlyWhenTheSheetDiffersFromItsFile) {
    // Never saved: everything as it always was.
    Type(Text3, L"5");
    ASSERT_TRUE(window->NewDesign());
    window->OnExit();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(boxes.shown.empty());

    const std::wstring path = PathOf(L"q.mixora");
    ASSERT_TRUE(SaveAs(path));
    window->OnExit(); // unchanged: no question
    EXPECT_EQ(exits, 2);
    EXPECT_TRUE(boxes.shown.empty());

    Type(Text3, L"6");
    boxes.answers = {IDCANCEL};
    window->OnExit();
    EXPECT_EQ(exits, 2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].style, kSavePromptStyle);
    EXPECT_NE(boxes.shown[0].text.find(L"q.mixora"), std::wstring::npos);
    EXPECT_EQ(Text(Text3), L"6");
    SendMessageW(window->hwnd(), WM_CLOSE, 0, 0); // 取消 keeps the window too
    EXPECT_TRUE(IsWindow(window->hwnd()));

    boxes.answers = {IDNO};
    window->OnExit();
    EXPECT_EQ(exits, 3);
    EXPECT_EQ(ReadBytes(path).find("\"6\""), std::string::npos);

    boxes.answers = {IDYES};
    window->OnExit();
    EXPECT_EQ(exits, 4);
    EXPECT_NE(ReadBytes(path).find("\"Text3\": \"6\""), std::string::npos);
}

TEST_F(DocumentTest, ABadFileIsRefusedAndTheSheetStaysAsItWas) {
    ASSERT_TRUE(SaveAs(PathOf(L"good.mixora")));
    Type(Text3, L"7");
    const auto before = Everything();
    const std::pair<const wchar_t*, std::string> files[] = {
        {L"empty.mixora", ""},
        {L"text.mixora", "C30 梁"},
        {L"cut.mixora", "{\"format\": \"mixora-design\", \"version\": 1, \"fields\": {"},
        {L"other.mixora", "{\"format\": \"something-else\", \"version\": 1}"},
        {L"newer.mixora", "{\"format\": \"mixora-design\", \"version\": 99}"},
        {L"type.mixora",
         "{\"format\": \"mixora-design\", \"version\": 1, \"fields\": {\"Text5\": 32.5}}"},
        {L"latin1.mixora",
         "{\"format\": \"mixora-design\", \"version\": 1, \"fields\": {\"Text1\": \"\xC0\xC1\"}}"},
        {L"big.mixora", std::string(1024 * 1024 + 1, ' ')},
    };
    for (const auto& [name, bytes] : files) {
        WriteBytes(PathOf(name), bytes);
        boxes.shown.clear();
        EXPECT_FALSE(window->OpenDesign(PathOf(name))) << Narrow(name);
        ASSERT_EQ(boxes.shown.size(), 1u) << Narrow(name);
        EXPECT_NE(boxes.shown[0].text.find(PathOf(name)), std::wstring::npos);
        EXPECT_EQ(Everything(), before) << Narrow(name);
    }
    EXPECT_FALSE(window->OpenDesign(PathOf(L"missing.mixora")));
    EXPECT_EQ(Everything(), before);
    EXPECT_EQ(window->design_path(), PathOf(L"good.mixora"));
}

TEST_F(DocumentTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    EXPECT_FALSE(SaveAs(PathOf(L"no such folder\\x.mixora")));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"no such folder"), std::wstring::npos);
    EXPECT_EQ(window->design_path(), std::nullopt);

    const std::wstring path = PathOf(L"locked.mixora");
    ASSERT_TRUE(SaveAs(path));
    const std::string old = ReadBytes(path);
    // A reader that shares nothing keeps the file from being replaced.
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    Type(Text3, L"8");
    EXPECT_FALSE(window->SaveDesign());
    CloseHandle(reader);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_TRUE(window->IsModified());
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << Narrow(found.cFileName);
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST_F(DocumentTest, ADesignThatCouldNotBeOpenedAgainIsNotSaved) {
    const std::wstring path = PathOf(L"long.mixora");
    ASSERT_TRUE(SaveAs(path));
    const std::string old = ReadBytes(path);
    Type(Text1, std::wstring(5000, L'水').c_str());
    EXPECT_FALSE(window->SaveDesign());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(path), std::wstring::npos);
    EXPECT_NE(boxes.shown[0].text.find(L"字段 Text1 的文本过长（超过 4096 个字符）"),
              std::wstring::npos)
        << Narrow(boxes.shown[0].text);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_TRUE(window->IsModified());
}

TEST_F(DocumentTest, KeysOfANewerProgramSurviveASave) {
    const std::wstring path = PathOf(L"extra.mixora");
    WriteBytes(path, R"({"format": "mixora-design", "version": 1,
        "fields": {"Text1": "25"}, "options": {"option1": true},
        "extra": {"report": {"工程名称": "大桥"}},
        "future": {"kept": [1, 2]}})");
    ASSERT_TRUE(window->OpenDesign(path));
    EXPECT_EQ(Text(Text1), L"25");
    EXPECT_EQ(Text(Text2), L""); // a missing field reads as empty
    ASSERT_TRUE(window->SaveDesign());
    const std::string saved = ReadBytes(path);
    EXPECT_NE(saved.find("\"future\""), std::string::npos);
    EXPECT_NE(saved.find("大桥"), std::string::npos);
}

TEST_F(DocumentTest, RecentDesignsAreNewestFirstAtMostEightAndForgetAMissingFile) {
    for (int i = 1; i <= 9; ++i)
        ASSERT_TRUE(SaveAs(PathOf((L"r" + std::to_wstring(i) + L".mixora").c_str())));
    ASSERT_TRUE(window->OpenDesign(PathOf(L"r5.mixora")));
    auto recent = LoadRecentDesigns(settings_key);
    ASSERT_EQ(recent.size(), 8u);
    EXPECT_EQ(recent[0], PathOf(L"r5.mixora"));
    EXPECT_EQ(recent[1], PathOf(L"r9.mixora"));
    EXPECT_EQ(recent[7], PathOf(L"r2.mixora"));

    DeleteFileW(PathOf(L"r9.mixora").c_str());
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kRecentFirst + 1, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"r9.mixora"), std::wstring::npos);
    recent = LoadRecentDesigns(settings_key);
    EXPECT_EQ(recent.size(), 7u);
    EXPECT_EQ(recent[1], PathOf(L"r8.mixora"));

    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kRecentFirst + 2, 0);
    EXPECT_EQ(window->design_path(), PathOf(L"r7.mixora"));
}

TEST_F(DocumentTest, ADroppedFileOpensAfterTheQuestion) {
    const std::wstring first = PathOf(L"first.mixora"), second = PathOf(L"second.mixora");
    Type(Text1, L"35");
    ASSERT_TRUE(SaveAs(second));
    ASSERT_TRUE(SaveAs(first));
    Type(Text1, L"40");
    const auto drop = [&](const std::wstring& path) {
        const size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GHND, bytes);
        auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
        files->pFiles = sizeof(DROPFILES);
        files->fWide = TRUE;
        path.copy(reinterpret_cast<wchar_t*>(files + 1), path.size());
        GlobalUnlock(memory);
        SendMessageW(window->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
    };
    boxes.answers = {IDCANCEL};
    drop(second);
    EXPECT_EQ(window->design_path(), first);
    EXPECT_EQ(Text(Text1), L"40");
    boxes.answers = {IDNO};
    drop(second);
    EXPECT_EQ(window->design_path(), second);
    EXPECT_EQ(Text(Text1), L"35");
}

// A recent design's menu text keeps the drive and the file name, and shows an ampersand as one.
TEST(RecentMenuText, ALongPathKeepsItsRootAndItsFileName) {
    EXPECT_EQ(ShortenPathForMenu(L"D:\\R&D\\x.mixora"), L"D:\\R&&D\\x.mixora");
    const std::wstring path = L"C:\\" + std::wstring(80, L'x') + L"\\工程\\C30梁.mixora";
    const std::wstring shown = ShortenPathForMenu(path);
    EXPECT_LE(shown.size(), 60u);
    EXPECT_TRUE(shown.starts_with(L"C:\\...")) << Narrow(shown);
    EXPECT_TRUE(shown.ends_with(L"\\工程\\C30梁.mixora")) << Narrow(shown);
}

TEST_F(DocumentTest, TheReportInfoIsSavedWithTheDesignAndMarksItModified) {
    const std::wstring path = PathOf(L"报告.mixora");
    ASSERT_TRUE(SaveAs(path));
    report::ReportInfo info;
    info.project = "某住宅楼";
    info.date = "2026年12月7日";
    info.environment = report::EnvironmentClass::ThreeA;
    info.structure = report::StructureType::Plain;
    info.trial_volume_litres = 25;
    info.remarks = "第一行\n第二行";
    window->set_report_info(info);
    EXPECT_TRUE(window->IsModified());
    EXPECT_EQ(Title(), std::wstring(kWindowTitle) + L" - *报告.mixora");
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_FALSE(window->IsModified());

    ASSERT_TRUE(window->NewDesign());
    EXPECT_EQ(window->report_info().project, "");
    ASSERT_TRUE(window->OpenDesign(path));
    EXPECT_EQ(window->report_info(), info);
    EXPECT_FALSE(window->IsModified());
    EXPECT_NE(ReadBytes(path).find("\"report\""), std::string::npos);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DocumentTest, AnUnreadableReportInfoIsNamedAndKeptInTheFile) {
    const std::wstring path = PathOf(L"坏.mixora");
    ASSERT_TRUE(SaveAs(path));
    std::string bytes = ReadBytes(path);
    const size_t extra = bytes.find("\"extra\": {}");
    ASSERT_NE(extra, std::string::npos);
    bytes.replace(extra, 12, "\"extra\": {\"report\": {\"environment_class\": \"四\"}}");
    WriteBytes(path, bytes);
    ASSERT_TRUE(window->OpenDesign(path));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"环境类别"), std::wstring::npos);
    EXPECT_FALSE(window->IsModified());
    ASSERT_TRUE(window->SaveDesign());
    EXPECT_NE(ReadBytes(path).find("四"), std::string::npos);
}

TEST_F(DocumentTest, ExportWritesCsvOrHtmlByTheNameAndOffersToOpenIt) {
    PressCalculate();
    dialogs.save_path = PathOf(L"报告.csv");
    ASSERT_TRUE(window->OnExport());
    const std::string csv = ReadBytes(*dialogs.save_path);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF混凝土配合比设计报告\r\n"));
    EXPECT_NE(csv.find("346.15"), std::string::npos);
    dialogs.save_path = PathOf(L"报告.html");
    ASSERT_TRUE(window->OnExport());
    EXPECT_TRUE(ReadBytes(*dialogs.save_path).starts_with("<!DOCTYPE html>"));
    ASSERT_EQ(boxes.shown.size(), 2u); // answered "no": nothing is opened
    EXPECT_EQ(boxes.shown[1].text,
              L"报告已导出到“" + *dialogs.save_path + L"”。\n\n现在打开它吗？");
    EXPECT_EQ(boxes.shown[1].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));

    dialogs.save_path = PathOf(L"没有的文件夹\\报告.html");
    EXPECT_FALSE(window->OnExport());
    EXPECT_NE(boxes.shown.back().text.find(L"无法导出报告"), std::wstring::npos);
}

} // namespace
} // namespace mixora::ui::testing
