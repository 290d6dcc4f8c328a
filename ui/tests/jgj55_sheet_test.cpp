// The JGJ 55-2011 sheet in a design window: the worked example as shown, recomputing while
// the user types, where each value comes from, and a design file written and read back.
#include "command_line_export.h"
#include "file_fakes.h"
#include "jgj55_layout.h"
#include "jgj55_window_fixture.h"
#include "menu_ids.h"
#include "utf.h"

#include <filesystem>

namespace mixora::ui::testing {
namespace {

class Jgj55SheetTest : public Jgj55WindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        Jgj55WindowTest::Configure(options);
        wchar_t temp[MAX_PATH]{};
        GetTempPathW(MAX_PATH, temp);
        path = std::wstring(temp) + L"mixora-jgj55-" + std::to_wstring(GetCurrentProcessId()) +
               L".mixora";
        dialogs.open_path = dialogs.save_path = path;
        settings_key = L"Software\\MixoraTests\\jgj55-" + std::to_wstring(GetCurrentProcessId());
        options.file_dialogs = &dialogs;
        options.settings_key = settings_key;
    }

    void TearDown() override {
        DesignWindowTest::TearDown();
        RegDeleteTreeW(HKEY_CURRENT_USER, settings_key.c_str());
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }

    std::wstring Mark(int id) const { return Get(j::Mark(id)); }

    AnsweringDialogs dialogs;
    std::wstring path; // where 打开 and 保存 go
    std::wstring settings_key;
};

TEST_F(Jgj55SheetTest, WorkedExampleShowsEveryValueAndWhereItComesFrom) {
    EnterWorkedExample();
    const std::pair<int, const wchar_t*> expected[] = {
        {j::Sigma, L"5.0"},
        {j::TargetStrength, L"43.2"},
        {j::CementStrength, L"49.3"},
        {j::FlyAshFactor, L"0.85"},
        {j::SlagFactor, L"1.00"},
        {j::BinderStrength, L"41.9"},
        {j::WaterBinder, L"0.47"},
        {j::Water, L"174"},
        {j::Binder, L"370"},
        {j::FlyAsh, L"74"},
        {j::Cement, L"296"},
        {j::Admixture, L"4.44"},
        {j::SandRatio, L"39"},
        {j::Sand, L"718"},
        {j::Stone, L"1123"},
        {j::WaterAmount, L"174"},
        {j::MassRatio, L"1 : 1.94 : 3.04 : 0.47"},
    };
    for (const auto& [id, text] : expected)
        EXPECT_EQ(Get(id), text) << id;
    EXPECT_EQ(Mark(j::Sigma), L"自动 · 表 4.0.2（≤ C45）");
    EXPECT_TRUE(Mark(j::FlyAshFactor).starts_with(L"自动 · 表 5.1.3")) << Mark(j::FlyAshFactor);
    EXPECT_TRUE(Get(j::Status).starts_with(L"计算完成")) << Get(j::Status);
    EXPECT_NE(Get(j::Checks).find(L"【符合】最大水胶比"), std::wstring::npos) << Get(j::Checks);
    EXPECT_TRUE(boxes.shown.empty());
    // A mark longer than its column is read whole on the status line while its field has focus;
    // 25 mm stone's water is read between two columns of the table, and says so.
    Choose(j::MaxSize, L"25 mm");
    SetFocus(Control(j::WaterBeforeReducer));
    EXPECT_EQ(Get(j::Status), L"来源：" + Mark(j::WaterBeforeReducer));
    EXPECT_NE(Get(j::Status).find(L"表 5.2.1-2，20 与 31.5 mm 之间内插"), std::wstring::npos)
        << Get(j::Status);
}

TEST_F(Jgj55SheetTest, TypingRecomputesAndAValueThatCannotBeComputedSaysWhy) {
    EnterWorkedExample();
    Set(j::Slump, L"180");            // more water, more binder, less aggregate
    EXPECT_EQ(Get(j::Water), L"178"); // (215 + 90 / 20 × 5) × 0.75 = 178.1
    EXPECT_NE(Get(j::Sand), L"718");

    Set(j::Slump, L"abc");
    EXPECT_NE(Get(j::Status).find(L"坍落度"), std::wstring::npos) << Get(j::Status);
    EXPECT_EQ(Get(j::Sand), L""); // never a stale result
    EXPECT_EQ(Get(j::Sigma), L"");
    EXPECT_TRUE(boxes.shown.empty()); // no box while typing
    Set(j::Slump, L"160");
    EXPECT_EQ(Get(j::Sand), L"718");

    // The one grammar of typed numbers: as a Chinese input method types them, never exponents.
    Set(j::Slump, L"\u3000１８０");
    EXPECT_EQ(Get(j::Water), L"178");
    Set(j::Water, L"1e3");
    EXPECT_EQ(Get(j::Status), L"输入有误：用水量 mw0“1e3”不是数字");
    Set(j::Water, L""); // 自动 again
    Set(j::Slump, L"160");
    EXPECT_EQ(Get(j::Sand), L"718");

    // F150 without an air-entraining agent: 表 7.2.2-1 gives no maximum W/B.
    Choose(j::Frost, L"F150 及以上");
    EXPECT_TRUE(Mark(j::WaterBinder).starts_with(L"无法计算")) << Mark(j::WaterBinder);
    EXPECT_EQ(Get(j::Cement), L"");
    EXPECT_TRUE(Get(j::Status).starts_with(L"无法计算")) << Get(j::Status);
    Choose(j::Frost, L"无");
    Set(j::WaterBinder, L"0.30");
    EXPECT_EQ(Mark(j::WaterBinder), L"给定");
    // Below 0.40 the water table does not hold: the water is found by trial and given.
    EXPECT_TRUE(Mark(j::WaterBeforeReducer).starts_with(L"无法计算：由试验确定"))
        << Mark(j::WaterBeforeReducer);
    EXPECT_EQ(Get(j::Cement), L"");
    Set(j::Water, L"170");
    EXPECT_EQ(Get(j::Binder), L"567"); // 170 / 0.30
    EXPECT_EQ(Get(j::Cement), L"454"); // less 20 % fly ash
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Jgj55SheetTest, TypingADerivedValueMakesItGivenAndClearingItAutomatic) {
    EnterWorkedExample();
    Set(j::Sigma, L"4.0");
    EXPECT_EQ(Mark(j::Sigma), L"给定");
    EXPECT_EQ(Get(j::TargetStrength), L"41.6"); // 35 + 1.645 × 4.0
    Set(j::Sigma, L"");
    EXPECT_EQ(Get(j::Sigma), L"5.0");
    EXPECT_EQ(Mark(j::Sigma), L"自动 · 表 4.0.2（≤ C45）");
    EXPECT_EQ(Get(j::TargetStrength), L"43.2");
    // A computed value written by the sheet is not the user's: it stays 自动 as inputs change.
    Choose(j::Grade, L"C50");
    EXPECT_EQ(Get(j::Sigma), L"6.0");
    EXPECT_TRUE(Mark(j::Sigma).starts_with(L"自动"));
}

// C60 with 硅灰 8 % (jgj55/tests/silica_fume_test.cpp works it by hand), then mb0 typed as
// W/B and mw0 are: 给定 until cleared, and said when the design does not take it.
TEST_F(Jgj55SheetTest, SilicaFumeAndAGivenBinderAreTypedOnTheSheet) {
    EnterWorkedExample();
    Set(j::Binder, L"400"); // C35: mb0 follows from the water
    EXPECT_EQ(Get(j::Cement), L"296");
    EXPECT_TRUE(Mark(j::Binder).starts_with(L"给定值未采用；自动")) << Mark(j::Binder);
    Set(j::Binder, L"");

    Choose(j::Grade, L"C60");
    Set(j::SilicaFumeShare, L"8");
    EXPECT_EQ(Mark(j::BinderStrength), L"无法计算：请给定 fb（表 5.1.3 无硅灰影响系数）");
    Set(j::BinderStrength, L"52");
    EXPECT_EQ(Get(j::SilicaFume), L"42");
    EXPECT_NE(Get(j::Status).find(L"请给定 ρsf"), std::wstring::npos) << Get(j::Status);
    Set(j::SilicaFumeDensity, L"2200");
    EXPECT_EQ(Get(j::Cement), L"374");
    EXPECT_EQ(Get(j::Sand), L"671");
    EXPECT_EQ(Get(j::Binder), L"520");

    Set(j::Binder, L"500"); // mw0 = 500 × 0.31 = 155
    EXPECT_EQ(Mark(j::Binder), L"给定");
    EXPECT_EQ(Get(j::WaterAmount), L"155");
    EXPECT_EQ(Get(j::SilicaFume), L"40");
    Set(j::Binder, L"");
    EXPECT_EQ(Get(j::Binder), L"520");
    EXPECT_TRUE(Mark(j::Binder).starts_with(L"自动 · 表 7.3.2")) << Mark(j::Binder);
}

TEST_F(Jgj55SheetTest, TheCoarseKindDecidesTheSizesOffered) {
    Click(j::Gravel);
    HWND sizes = Control(j::MaxSize);
    const auto find = [sizes](const wchar_t* item) {
        return SendMessageW(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(item)) != CB_ERR;
    };
    EXPECT_TRUE(find(L"10 mm"));
    EXPECT_FALSE(find(L"16 mm"));
    Click(j::Crushed);
    EXPECT_TRUE(find(L"16 mm"));
    EXPECT_FALSE(find(L"10 mm"));
    EXPECT_EQ(Get(j::MaxSize), L"20 mm");
}

TEST_F(Jgj55SheetTest, AFileWrittenAndReadBackGivesTheSameSheet) {
    EnterWorkedExample();
    Set(j::FlyAshFactor, L"0.80");
    const std::wstring sand = Get(j::Sand);
    trial::TrialEntries trial;
    trial.strength.groups[2] = {{"35.2", "35.0", "35.4"}, "2390", {}, {}};
    trial.production.measured_at = "2026-12-07 07:30";
    sheet->set_trial_entries(trial);
    ASSERT_TRUE(window->SaveDesignAs());
    EXPECT_FALSE(window->IsModified());

    ASSERT_TRUE(window->NewDesign());
    EXPECT_EQ(Get(j::Grade), L"C30");
    EXPECT_EQ(Mark(j::FlyAshFactor).substr(0, 2), L"自动");

    ASSERT_TRUE(window->OpenDesign(path));
    EXPECT_EQ(Get(j::Grade), L"C35");
    EXPECT_EQ(Get(j::Slump), L"160");
    EXPECT_EQ(Get(j::Dosage), L"1.2");
    EXPECT_EQ(Get(j::FlyAshFactor), L"0.80");
    EXPECT_EQ(Mark(j::FlyAshFactor), L"给定");
    EXPECT_EQ(Get(j::Sand), sand);
    EXPECT_EQ(sheet->trial_entries(), trial);
    EXPECT_FALSE(window->IsModified());
    Set(j::Slump, L"170");
    EXPECT_TRUE(window->IsModified());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Jgj55SheetTest, AFileWhoseInputsCannotBeReadIsRefusedNamingThemAndTheSheetKeepsItsDesign) {
    EnterWorkedExample();
    ASSERT_TRUE(window->SaveDesignAs());
    std::string bytes = ReadBytes(path);
    const auto at = bytes.find("\"slump\":");
    ASSERT_NE(at, std::string::npos) << bytes;
    bytes.insert(at + 8, "true,\"ignored\":"); // "slump": true, "ignored": 160
    WriteBytes(path, bytes);
    ASSERT_TRUE(window->NewDesign());
    Set(j::Slump, L"120");
    EXPECT_FALSE(window->OpenDesign(path));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(L"design"), std::wstring::npos) << boxes.shown[0].text;
    EXPECT_NE(boxes.shown[0].text.find(L"slump"), std::wstring::npos) << boxes.shown[0].text;
    EXPECT_EQ(Get(j::Grade), L"C30");
    EXPECT_EQ(Get(j::Slump), L"120");
    EXPECT_FALSE(window->design_path());
}

// The window that shows each kind of design, in the order the windows were opened.
std::vector<std::pair<document::DesignKind, std::optional<std::wstring>>> Windows() {
    std::vector<std::pair<document::DesignKind, std::optional<std::wstring>>> windows;
    for (DesignWindow* window : OpenWindows())
        windows.emplace_back(window->kind(), window->design_path());
    return windows;
}

TEST_F(Jgj55SheetTest, EachFileOpensInAWindowOfItsKindAndTheWindowsLiveSideBySide) {
    using enum document::DesignKind;
    EnterWorkedExample();
    ASSERT_TRUE(window->SaveDesignAs());
    const std::wstring saved = *window->design_path();

    // 新建 JGJ 55-2011 from the cement-only sheet's menu: a second window, under its own title.
    DesignWindow* cement = window->OpenWindowOf(Cement);
    ASSERT_NE(cement, nullptr);
    SendMessageW(cement->hwnd(), WM_COMMAND, menu_ids::kNewJgj55, 0);
    ASSERT_EQ(OpenWindows().size(), 3u);
    DesignWindow* fresh = OpenWindows().back();
    wchar_t title[256]{};
    GetWindowTextW(fresh->hwnd(), title, 256);
    EXPECT_STREQ(title, kJgj55WindowTitle);

    // The JGJ file opened from the cement window goes to a new JGJ window; the cement window
    // stays as it was.
    HWND cement_field = cement->Control(ids::Text(calc::Field::Text1));
    SetWindowTextW(cement_field, L"25");
    EXPECT_TRUE(cement->OpenDesign(saved));
    EXPECT_EQ(Windows(),
              (decltype(Windows()){
                  {Jgj55, saved}, {Cement, std::nullopt}, {Jgj55, std::nullopt}, {Jgj55, saved}}));
    GetWindowTextW(OpenWindows().back()->hwnd(), title, 256);
    EXPECT_EQ(std::wstring(title),
              std::wstring(kJgj55WindowTitle) + L" - " + session::FileNameOf(saved));
    GetWindowTextW(OpenWindows().back()->Control(j::Grade), title, 256);
    EXPECT_STREQ(title, L"C35");
    GetWindowTextW(cement_field, title, 256);
    EXPECT_STREQ(title, L"25");

    // Closing one leaves the others.
    SendMessageW(fresh->hwnd(), WM_CLOSE, 0, 0);
    ReleaseClosedWindows();
    EXPECT_EQ(OpenWindows().size(), 3u);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Jgj55SheetTest, ExportOnTheCommandLineWritesTheReportOrSaysWhyNot) {
    EnterWorkedExample();
    ASSERT_TRUE(window->SaveDesignAs());
    const std::wstring design = *window->design_path();
    const std::wstring out = design + L".html";
    const ExportOutcome written = ExportDesignReport({kExportOption, design, out});
    EXPECT_EQ(written.exit_code, 0) << written.reason;
    const std::string html = ReadBytes(out);
    std::filesystem::remove(out);
    for (const char* shown : {"C35", "718", "1123", "4.44", "表 5.1.3"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;

    const ExportOutcome text = ExportDesignReport({kExportOption, design, design + L".txt"});
    EXPECT_EQ(text.exit_code, 1);
    EXPECT_NE(text.reason.find(L".html 或 .csv"), std::wstring::npos) << text.reason;
    const ExportOutcome missing = ExportDesignReport({kExportOption, design + L"x", out});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_TRUE(missing.reason.starts_with(L"无法打开设计文件")) << missing.reason;
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(ExportDesignReport({kExportOption, design}).exit_code, 1);
}

TEST_F(Jgj55SheetTest, TheBatchTicketIsOfferedHereOnlyAndExportsSayingWhatItStillLacks) {
    EnterWorkedExample();
    EXPECT_NE(GetMenuState(GetMenu(window->hwnd()), menu_ids::kBatchTicket, MF_BYCOMMAND),
              static_cast<UINT>(-1));
    DesignWindow* cement = window->OpenWindowOf(document::DesignKind::Cement);
    ASSERT_NE(cement, nullptr);
    EXPECT_EQ(GetMenuState(GetMenu(cement->hwnd()), menu_ids::kBatchTicket, MF_BYCOMMAND),
              static_cast<UINT>(-1));

    dialogs.save_path = path + L".html";
    boxes.answers = {IDNO}; // not opened in the browser
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kExportBatchTicket, 0);
    const std::string html = ReadBytes(*dialogs.save_path);
    std::filesystem::remove(*dialogs.save_path);
    EXPECT_NE(html.find("混凝土配合比通知单"), std::string::npos);
    EXPECT_NE(html.find("试验"), std::string::npos);
    EXPECT_NE(html.find("签发"), std::string::npos);
    // No strengths, no moisture: the production mix is not shown, its absence is said.
    EXPECT_EQ(html.find("每盘"), std::string::npos);
}

TEST_F(Jgj55SheetTest, EveryNumberHasItsUnitAndNoLabelIsCut) {
    EXPECT_EQ(Get(j::Label(22)), L"强度标准差 σ MPa");
    EXPECT_EQ(Get(j::Label(4)), L"坍落度 mm");
    EXPECT_EQ(Get(j::Label(5)), L"拌合物假定质量 kg/m³");
    EXPECT_EQ(Get(j::Label(35)), L"砂率 βs %");
    EXPECT_EQ(Get(j::Label(36)), L"水泥"); // its group says kg/m³
    EXPECT_EQ(Get(j::Label(30)), L"回归系数 αb");
    for (const ControlEntry& entry : Jgj55Form().controls) {
        if (entry.type != ControlType::Label || entry.id == kNoId) continue;
        HWND label = Control(entry.id);
        const std::wstring text = ReadText(label);
        HDC dc = GetDC(label);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(label, dc);
        RECT room{};
        GetClientRect(label, &room);
        EXPECT_GE(room.right, size.cx) << Narrow(text);
    }
}

// A screen smaller than the sheet (a laptop's, a taskbar): made before the window is.
class Jgj55SmallScreenTest : public Jgj55WindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &kept_, 0);
        RECT small{0, 0, 800, 500};
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &small, 0);
        Jgj55WindowTest::Configure(options);
    }
    void TearDown() override {
        Jgj55WindowTest::TearDown();
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &kept_, 0);
    }

    // Shown whole inside the client area (the scroll bars aside).
    bool InView(int id) const {
        HWND control = Control(id);
        RECT client{}, place{};
        GetClientRect(window->hwnd(), &client);
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&place), 2);
        RECT inside{};
        IntersectRect(&inside, &place, &client);
        return IsWindowVisible(control) && EqualRect(&inside, &place);
    }

  private:
    RECT kept_{};
};

TEST_F(Jgj55SmallScreenTest, TheWindowTakesTheWorkAreaAndScrollsTheFocusedFieldIntoView) {
    HWND hwnd = window->hwnd();
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE((style & WS_THICKFRAME) && (style & WS_MAXIMIZEBOX));
    RECT frame{};
    GetWindowRect(hwnd, &frame);
    EXPECT_GE(frame.left, 0);
    EXPECT_GE(frame.top, 0);
    EXPECT_LE(frame.right, 800);
    EXPECT_LE(frame.bottom, 500);
    // The status line stays at the foot; 特殊要求 lies beyond the right edge, and the sheet's
    // foot below the status line, until the focus reaches them.
    EXPECT_TRUE(InView(j::Grade));
    EXPECT_TRUE(InView(j::Status));
    EXPECT_FALSE(InView(j::Chloride));
    EXPECT_FALSE(InView(j::MassRatio));

    SetFocus(Control(j::MassConcrete));
    window->MoveFocus(false); // Tab
    EXPECT_EQ(GetFocus(), Control(j::Chloride));
    EXPECT_TRUE(InView(j::Chloride));
    EXPECT_FALSE(InView(j::Grade));
    SetFocus(Control(j::MassRatio)); // a read-only field, reached as a click reaches it
    EXPECT_TRUE(InView(j::MassRatio));
    SetFocus(Control(j::Grade));
    EXPECT_TRUE(InView(j::Grade));
    EXPECT_TRUE(InView(j::Status));
    // The wheel scrolls down to the foot, the status line still in view.
    for (int i = 0; i < 20; ++i)
        SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_TRUE(InView(j::Checks));
    EXPECT_TRUE(InView(j::Status));
}

} // namespace
} // namespace mixora::ui::testing
