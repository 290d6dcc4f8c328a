// Nothing typed into a JGJ 55-2011 window is lost, and nothing shown disagrees with what is
// saved, printed or exported: a field that does not read is kept and named everywhere, a value
// outside its range is refused, untitled work and every window are asked about before they go,
// and a report is never written over what it reports.
#include "command_line_export.h"
#include "file_fakes.h"
#include "jgj55_window_fixture.h"
#include "menu_ids.h"
#include "utf.h"

#include <filesystem>

namespace mixora::ui::testing {
namespace {

class NoPrinters final : public Printers {
  public:
    bool AnyInstalled() override { return false; }
    PrintChoice Choose(HWND, int) override { return {}; }
};

class WorkKeptTest : public Jgj55WindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        Jgj55WindowTest::Configure(options);
        wchar_t temp[MAX_PATH]{};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"mixora-kept-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-" + std::to_wstring(GetTickCount64());
        CreateDirectoryW(folder.c_str(), nullptr);
        path = folder + L"\\设计.mixora";
        dialogs.open_path = dialogs.save_path = path;
        settings_key = L"Software\\MixoraTests\\kept-" + std::to_wstring(GetCurrentProcessId());
        options.file_dialogs = &dialogs;
        options.settings_key = settings_key;
        options.printers = &printers;
    }
    void TearDown() override {
        DesignWindowTest::TearDown();
        RegDeleteTreeW(HKEY_CURRENT_USER, settings_key.c_str());
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // A JGJ 55-2011 design file holding `design` as its "design" member.
    void WriteDesign(const std::string& design, const std::string& extra = "{}") {
        WriteBytes(path, R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011",
            "design": )" + design +
                             R"(, "extra": )" + extra + "}");
    }
    static std::string PageText(const page::ReportPage& page) {
        std::string text;
        for (const page::Section& section : page.sections)
            for (const page::Row& row : section.rows)
                for (const std::string& cell : row.cells)
                    text += cell + "|";
        return text;
    }
    ExportOutcome Export(const std::wstring& out) {
        return ExportDesignReport({kExportOption, path, out});
    }

    AnsweringDialogs dialogs;
    NoPrinters printers;
    std::wstring folder, path, settings_key;
};

TEST_F(WorkKeptTest, AFieldThatDoesNotReadIsSavedAsTypedAndEveryOutputNamesIt) {
    EnterWorkedExample();
    ASSERT_TRUE(window->SaveDesignAs());
    Set(j::Slump, L"1OO");  // a letter O
    Set(j::Dosage, L"1.5"); // edits after it still count
    EXPECT_TRUE(window->IsModified());
    EXPECT_EQ(Get(j::Status), L"输入有误：坍落度“1OO”不是数字");
    ASSERT_TRUE(window->SaveDesign());
    const std::string saved = ReadBytes(path);
    EXPECT_NE(saved.find(R"("slump": "1OO")"), std::string::npos) << saved;
    EXPECT_NE(saved.find(R"("admixture_dosage": 1.5)"), std::string::npos) << saved;

    ASSERT_TRUE(window->NewDesign());
    ASSERT_TRUE(window->OpenDesign(path));
    EXPECT_FALSE(window->IsModified());
    EXPECT_EQ(Get(j::Slump), L"1OO");
    EXPECT_EQ(Get(j::Dosage), L"1.5");
    EXPECT_EQ(Get(j::Status), L"输入有误：坍落度“1OO”不是数字");
    EXPECT_EQ(Get(j::Cement), L"");

    // The report, the ticket and 复制结果 say it and show nothing computed; --export refuses.
    const std::string named = "坍落度“1OO”不是数字";
    const std::string report = PageText(sheet->Report({}));
    EXPECT_NE(report.find("输入有误：" + named), std::string::npos) << report;
    EXPECT_EQ(report.find("718"), std::string::npos);
    EXPECT_NE(PageText(sheet->BatchTicket({})).find(named), std::string::npos);
    EXPECT_NE(sheet->CopyResult().text.find(named), std::string::npos);
    const ExportOutcome exported = Export(path + L".html");
    EXPECT_EQ(exported.exit_code, 1);
    EXPECT_NE(exported.reason.find(Widen(named)), std::wstring::npos) << exported.reason;
    EXPECT_FALSE(std::filesystem::exists(path + L".html"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(WorkKeptTest, AValueNoDesignCanHaveIsRefusedNamingItsInputInTheWindowAndTheFile) {
    EnterWorkedExample();
    Set(j::Slump, L"10000");
    EXPECT_EQ(Get(j::Status), L"输入有误：坍落度“10000”须在 0～300 mm 之间（坍落度筒高 300 mm）");
    EXPECT_EQ(Get(j::Cement), L"");
    EXPECT_EQ(Get(j::WaterAmount), L"");
    Set(j::Slump, L"160");
    Set(j::SandDensity, L"1");
    EXPECT_TRUE(Get(j::Status).starts_with(L"输入有误：砂表观密度“1”须在 500～5000 kg/m³ 之间"));

    // From a file the same: opened as it is, said, not marked changed; every digit it has kept.
    WriteDesign(R"({"slump": 1.2e29, "volume": {"sand_density": 2650.1234567}})");
    ASSERT_TRUE(window->OpenDesign(path));
    EXPECT_EQ(Get(j::Slump), L"120000000000000000000000000000");
    EXPECT_EQ(Get(j::SandDensity), L"2650.1234567");
    EXPECT_TRUE(Get(j::Status).starts_with(L"输入有误：坍落度“120000000000000000000000000000”"));
    EXPECT_FALSE(window->IsModified());
    EXPECT_EQ(Export(path + L".csv").exit_code, 1);

    // A choice the window cannot show is refused by both, naming key and value; 30.0 is 30.
    ASSERT_TRUE(window->NewDesign());
    for (const char* design : {R"({"grade": 7})", R"({"coarse": "gravel", "max_size": "16"})"}) {
        WriteDesign(design);
        boxes.shown.clear();
        EXPECT_FALSE(window->OpenDesign(path)) << design;
        ASSERT_EQ(boxes.shown.size(), 1u);
        const ExportOutcome exported = Export(path + L".csv");
        EXPECT_EQ(exported.exit_code, 1);
        const std::wstring said = boxes.shown[0].text.substr(boxes.shown[0].text.find(L'\n') + 1);
        EXPECT_NE(exported.reason.find(said), std::wstring::npos) << exported.reason;
        EXPECT_EQ(Get(j::Grade), L"C30");
    }
    WriteDesign(R"({"grade": 30.0})");
    EXPECT_TRUE(window->OpenDesign(path));
    EXPECT_FALSE(window->IsModified());
}

TEST_F(WorkKeptTest, WorkNeverSavedIsAskedAboutBeforeItGoes) {
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kNew, 0); // nothing typed: no question
    EXPECT_TRUE(boxes.shown.empty());

    Set(j::Slump, L"180");
    boxes.answers = {IDCANCEL, IDCANCEL, IDCANCEL};
    SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kNew, 0);
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kOpen, 0);
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].style, kSavePromptStyle);
    EXPECT_TRUE(IsWindow(window->hwnd()));
    EXPECT_EQ(Get(j::Slump), L"180");

    Set(j::Slump, L"50"); // the new design's inputs again, but a trial entered
    trial::TrialEntries entries;
    entries.batch.litres = "25";
    sheet->set_trial_entries(entries);
    boxes.answers = {IDNO};
    ASSERT_TRUE(window->NewDesign());
    EXPECT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(sheet->trial_entries(), trial::TrialEntries{});
}

TEST_F(WorkKeptTest, ExitAsksAboutTheWindowsThereWhenTheirTurnComesFromAnyWindow) {
    DesignWindow* cement = window->OpenWindowOf(document::DesignKind::Cement);
    DesignWindow* closed = window->OpenWindowOf(document::DesignKind::Jgj55);
    ASSERT_TRUE(cement && closed);
    Set(j::Slump, L"180");
    SetWindowTextW(closed->Control(j::Slump), L"170");
    DesignWindow* opened = nullptr;
    // During the first question the user closes one window (不保存) and opens another.
    boxes.while_shown = [&] {
        SendMessageW(closed->hwnd(), WM_CLOSE, 0, 0);
        opened = window->OpenWindowOf(document::DesignKind::Jgj55);
        SetWindowTextW(opened->Control(j::Slump), L"190");
    };
    boxes.answers = {IDNO, IDNO, IDCANCEL};
    SendMessageW(cement->hwnd(), WM_COMMAND, menu_ids::kExitProgram, 0);
    ASSERT_EQ(boxes.shown.size(), 3u); // this window, the one closing, the one opened
    EXPECT_EQ(boxes.shown[0].owner, window->hwnd());
    EXPECT_EQ(boxes.shown[2].owner, opened->hwnd());
    for (const ShownBox& box : boxes.shown)
        EXPECT_NE(box.owner, nullptr) << "a question without its window";
    EXPECT_EQ(exits, 0); // 取消 for the last one
    EXPECT_FALSE(IsWindow(closed->hwnd()));

    boxes.answers = {IDNO, IDNO};
    SendMessageW(cement->hwnd(), WM_COMMAND, menu_ids::kExitProgram, 0);
    EXPECT_EQ(boxes.shown.size(), 5u);
    EXPECT_EQ(exits, 1);
}

TEST_F(WorkKeptTest, AReportIsNeverWrittenOverItsDesignNorFromAHeaderThatDoesNotRead) {
    // A design may be named anything; a report is never written over it, by any spelling.
    const std::wstring named_html = folder + L"\\设计.html";
    WriteDesign(R"({"grade": 35})");
    std::filesystem::copy_file(path, named_html);
    const std::string design = ReadBytes(named_html);
    for (const std::wstring& out : {named_html, folder + L"\\.\\设计.HTML"}) {
        const ExportOutcome outcome = ExportDesignReport({kExportOption, named_html, out});
        EXPECT_EQ(outcome.exit_code, 1) << out;
        EXPECT_NE(outcome.reason.find(L"就是设计文件本身"), std::wstring::npos) << outcome.reason;
    }
    EXPECT_EQ(ReadBytes(named_html), design);
    ASSERT_TRUE(window->OpenDesign(named_html));
    dialogs.save_path = named_html;
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kExport, 0);
    EXPECT_EQ(ReadBytes(named_html), design);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_NE(boxes.shown.back().text.find(L"报告不能写在它上面"), std::wstring::npos);

    // A header that does not read, and a device's name, are refused as unreadable designs are.
    WriteDesign(R"({"grade": 35})",
                R"({"report": {"project": ")" + std::string(5000, 'x') + R"("}})");
    const ExportOutcome header = Export(path + L".html");
    EXPECT_EQ(header.exit_code, 1);
    EXPECT_NE(header.reason.find(L"报告信息无法读取"), std::wstring::npos) << header.reason;
    EXPECT_FALSE(std::filesystem::exists(path + L".html"));
    const ExportOutcome device = ExportDesignReport({kExportOption, L"nul.mixora", L"a.html"});
    EXPECT_EQ(device.reason, L"“nul.mixora”是 Windows 的设备名，不能用作文件名。");
    EXPECT_FALSE(window->OpenDesign(L"nul.mixora"));
    EXPECT_NE(boxes.shown.back().text.find(L"“nul.mixora”是 Windows 的设备名"), std::wstring::npos)
        << boxes.shown.back().text;
}

TEST_F(WorkKeptTest, TheSmallerCommandsDoWhatTheySayOrSayWhyNot) {
    // 清除计算结果: every value typed in place of a computed one is computed again.
    EnterWorkedExample();
    Set(j::Sigma, L"4.0");
    Set(j::Water, L"180");
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kClearResults, 0);
    EXPECT_EQ(Get(j::Sigma), L"5.0");
    EXPECT_EQ(Get(j::Water), L"174");
    EXPECT_TRUE(Get(j::Mark(j::Water)).starts_with(L"自动"));
    EXPECT_EQ(Get(j::Slump), L"160");

    // Every field takes as much as a design file keeps, no more, even when set by a message:
    // what is saved opens again.
    EXPECT_EQ(SendMessageW(Control(j::Slump), EM_GETLIMITTEXT, 0, 0), 4096);
    Set(j::Slump, std::wstring(5000, L'9').c_str());
    EXPECT_EQ(Get(j::Slump).size(), 4096u);
    EXPECT_LE(Get(j::Status).size(), 120u) << "the status quotes 32 characters at most";
    ASSERT_TRUE(window->SaveDesignAs());
    ASSERT_TRUE(window->OpenDesign(path));
    EXPECT_EQ(Get(j::Slump), std::wstring(4096, L'9'));
    Set(j::Slump, L"160");

    // The ticket without a printer points to its own export; a sheet without one refuses it.
    window->PrintFrom(window->hwnd(), ReportKind::BatchTicket);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"导出配合比通知单"), std::wstring::npos);
    DesignWindow* cement = window->OpenWindowOf(document::DesignKind::Cement);
    ASSERT_NE(cement, nullptr);
    dialogs.save_path = path + L".html";
    SendMessageW(cement->hwnd(), WM_COMMAND, menu_ids::kExportBatchTicket, 0);
    EXPECT_FALSE(std::filesystem::exists(path + L".html"));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_NE(boxes.shown[1].text.find(L"没有配合比通知单"), std::wstring::npos);
}

TEST_F(WorkKeptTest, TheConflictNamesAnotherWindowOfThisProgramAsSuch) {
    EnterWorkedExample();
    ASSERT_TRUE(window->SaveDesignAs());
    DesignWindow* other = window->OpenWindowOf(document::DesignKind::Jgj55);
    ASSERT_TRUE(other && other->OpenDesign(path));
    SetWindowTextW(other->Control(j::Dosage), L"1.25"); // a file of another size
    ASSERT_TRUE(other->SaveDesign());
    Set(j::Slump, L"180");
    boxes.answers = {IDCANCEL};
    EXPECT_FALSE(window->SaveDesign());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"已被另一个窗口修改"), std::wstring::npos)
        << boxes.shown[0].text;
}

} // namespace
} // namespace mixora::ui::testing
