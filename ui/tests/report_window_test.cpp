// The report commands on the real window: 复制结果 on the clipboard, the 报告信息 dialog, the
// print preview, the printers' "none installed" path, and the menu entries and shortcuts.
#include "clipboard.h"
#include "cement_clipboard.h"
#include "design_window_fixture.h"
#include "layout.h"
#include "menu_bar.h"
#include "menu_ids.h"
#include "preview_dialog.h"
#include "lab_settings_dialog.h"
#include "report_info_dialog.h"
#include "settings.h"
#include "engine_state.h"
#include "modal_driver.h"
#include "subclass.h"
#include "utf.h"
#include "window_sheet.h"

#include <cstring>
#include <functional>

namespace mixora::ui::testing {
namespace {

class FakePrinters final : public Printers {
  public:
    bool AnyInstalled() override { return installed; }
    PrintChoice Choose(HWND, int) override {
        ++chosen;
        PrintChoice choice;
        choice.outcome = outcome;
        return choice;
    }
    bool installed = false;
    PrintChoice::Outcome outcome = PrintChoice::Outcome::NoPrinter;
    int chosen = 0;
};

class ReportWindowTest : public DesignWindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override { options.printers = &printers; }

    document::DesignSnapshot Snapshot() const {
        WindowSheet sheet([this](int id) { return Control(id); });
        return document::TakeSnapshot(sheet);
    }

    FakePrinters printers;
};

std::wstring ItemText(HWND window, int id) {
    wchar_t text[256]{};
    GetDlgItemTextW(window, id, text, 256);
    return text;
}

TEST_F(ReportWindowTest, CopyResultPutsTheSheetAsTextAndAsAnHtmlTable) {
    PressCalculate();
    SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kCopyResult, 0);
    const document::DesignSnapshot snapshot = Snapshot();
    // Under Wine the clipboard's X11 side holds the clipboard for a moment after a change.
    bool open = false;
    for (int attempt = 0; attempt < 100 && !open; ++attempt)
        if (!(open = OpenClipboard(window->hwnd()) != FALSE)) Sleep(50);
    ASSERT_TRUE(open);
    HANDLE text = GetClipboardData(CF_UNICODETEXT);
    HANDLE html = GetClipboardData(HtmlClipboardFormat());
    ASSERT_NE(text, nullptr);
    ASSERT_NE(html, nullptr);
    const auto* wide = static_cast<const wchar_t*>(GlobalLock(text));
    EXPECT_EQ(std::wstring(wide), Widen(cement_report::ClipboardText(snapshot)));
    GlobalUnlock(text);
    const auto* bytes = static_cast<const char*>(GlobalLock(html));
    EXPECT_EQ(std::string(bytes, strnlen(bytes, GlobalSize(html))),
              cement_report::ClipboardHtml(snapshot));
    GlobalUnlock(html);
    CloseClipboard();
    // The texts the window shows, results included.
    EXPECT_NE(cement_report::ClipboardText(snapshot).find("346.15"), std::string::npos);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ReportWindowTest, ReportInfoDialogNamesABadVolumeAndKeepsWhatWasTyped) {
    const int subclassed_before = skin::SubclassCount();
    bool skinned_while_up = false;
    int stage = 0;
    bool accepted = false;
    ModalDriver::Drive(
        kReportInfoTitle,
        [&](HWND dialog) {
            using namespace report_info_ids;
            if (stage++ == 0) {
                skinned_while_up = skin::IsSubclassed(dialog);
                EXPECT_EQ(ItemText(dialog, kTrialVolume), L"20");
                EXPECT_EQ(ItemText(dialog, kTrialMinimum),
                          L"粗骨料最大粒径 ≤ 31.5 mm 时不少于 20 L，40 mm 时不少于 25 L。");
                EXPECT_EQ(ItemText(dialog, kDate), Widen(TodayText()));
                SetDlgItemTextW(dialog, kProject, L"某工程");
                SetDlgItemTextW(dialog, kTrialVolume, L"-5");
                SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
                return false; // stays open
            }
            EXPECT_TRUE(IsWindow(dialog));
            SetDlgItemTextW(dialog, kTrialVolume, L" 25 ");
            SetDlgItemTextW(dialog, kRemarks, L"一\r\n二");
            SendDlgItemMessageW(dialog, kEnvironment, CB_SETCURSEL, 4, 0);
            SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
            return true;
        },
        [&] { accepted = window->OnReportInfo(); });
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(skinned_while_up);
    EXPECT_EQ(skin::SubclassCount(), subclassed_before);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, L"“试拌体积”必须是大于 0 的数（单位：L），现在是“-5”。");
    const report::ReportInfo info = window->report_info();
    EXPECT_EQ(info.project, "某工程");
    EXPECT_EQ(info.trial_volume_litres, 25.0);
    EXPECT_EQ(info.environment, report::EnvironmentClass::ThreeB);
    EXPECT_EQ(info.remarks, "一\n二");
}

TEST(TrialVolumeTest, OnlyAPositiveNumberIsAVolume) {
    EXPECT_EQ(ReadTrialVolume(L"22.5"), 22.5);
    EXPECT_EQ(ReadTrialVolume(L"\t2.5e1 "), 25.0);
    EXPECT_EQ(ReadTrialVolume(L".5"), 0.5);
    for (const wchar_t* bad : {L"", L" ", L"0", L"-1", L"2O", L"20L", L"inf", L"nan", L"1e999",
                               L"+5", L"1e-999", L"0x10", L"1e", L"1,000", L"2 0"})
        EXPECT_EQ(ReadTrialVolume(bad), std::nullopt) << bad;
}

TEST_F(ReportWindowTest, PreviewShowsThePagesAndPrintingWithoutAPrinterSaysSo) {
    PressCalculate();
    const int subclassed_before = skin::SubclassCount();
    int stage = 0;
    ModalDriver::Drive(
        kPreviewTitle,
        [&](HWND preview) {
            using namespace preview_ids;
            if (stage++ == 0) {
                EXPECT_TRUE(skin::IsSubclassed(preview));
                EXPECT_EQ(ItemText(preview, kPageLabel), L"第 1 页，共 1 页");
                EXPECT_EQ(ItemText(preview, kZoomLabel), L"整页");
                EXPECT_FALSE(IsWindowEnabled(GetDlgItem(preview, kNext)));
                SendDlgItemMessageW(preview, kZoomIn, BM_CLICK, 0, 0);
                EXPECT_NE(ItemText(preview, kZoomLabel), L"整页");
                SendDlgItemMessageW(preview, kPrint, BM_CLICK, 0, 0);
                return false;
            }
            EXPECT_TRUE(IsWindow(preview)); // nothing printed: the preview stays
            SendDlgItemMessageW(preview, IDCANCEL, BM_CLICK, 0, 0);
            return true;
        },
        [&] { window->OnPrintPreview(); });
    EXPECT_EQ(skin::SubclassCount(), subclassed_before);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kNoPrinterMessage);
    EXPECT_EQ(printers.chosen, 0);
}

TEST_F(ReportWindowTest, APrintDialogThatFindsNoPrinterGivesTheSameMessage) {
    printers.installed = true;
    printers.outcome = PrintChoice::Outcome::NoPrinter;
    EXPECT_FALSE(window->PrintFrom(window->hwnd()));
    printers.outcome = PrintChoice::Outcome::Cancelled;
    EXPECT_FALSE(window->PrintFrom(window->hwnd()));
    EXPECT_EQ(printers.chosen, 2);
    ASSERT_EQ(boxes.shown.size(), 1u); // a cancel says nothing
    EXPECT_EQ(boxes.shown[0].text, kNoPrinterMessage);
}

class LabSettingsTest : public ReportWindowTest {
  protected:
    static constexpr const wchar_t* kKey = L"Software\\MixoraTests\\LabSettings";
    void Configure(DesignWindowOptions& options) override {
        ReportWindowTest::Configure(options);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        options.settings_key = kKey;
    }
    void TearDown() override {
        ReportWindowTest::TearDown();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }

    // 文件 → 实验室设置…, its fields as they open and then as typed.
    std::vector<std::wstring> Edit(std::vector<std::wstring> typed) {
        using namespace lab_settings_ids;
        std::vector<std::wstring> shown;
        ModalDriver::Drive(
            kLabSettingsTitle,
            [&](HWND dialog) {
                const int ids[] = {kLabName, kLabAddress, kLabCertificate};
                for (std::size_t i = 0; i < std::size(ids); ++i) {
                    HWND field = ModalDriver::Find(dialog, ids[i]);
                    wchar_t text[256]{};
                    GetWindowTextW(field, text, 256);
                    shown.emplace_back(text);
                    SetWindowTextW(field, typed[i].c_str());
                }
                SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
                return true;
            },
            [&] { SendMessageW(window->hwnd(), WM_COMMAND, menu_ids::kLabSettings, 0); });
        return shown;
    }
};

TEST_F(LabSettingsTest, TheLabIsSetOnceOnTheComputerAndHeadsEveryDocument) {
    EXPECT_EQ(Edit({L"某市建设工程质量检测中心", L"某市某路 1 号", L"检字第 0001 号"}),
              (std::vector<std::wstring>{L"", L"", L""}));
    EXPECT_EQ(ReadLabIdentity(kKey),
              (report::LabIdentity{"某市建设工程质量检测中心", "某市某路 1 号", "检字第 0001 号"}));
    EXPECT_EQ(SettingText(L"LabName", kKey), L"某市建设工程质量检测中心");
    EXPECT_EQ(window->reports().PageOf(ReportKind::Design).masthead,
              (std::vector<std::string>{"某市建设工程质量检测中心",
                                        "地址：某市某路 1 号　资质证书编号：检字第 0001 号"}));

    // It opens with what is kept; an emptied field removes its value.
    EXPECT_EQ(Edit({L"某市建设工程质量检测中心", L"", L"检字第 0001 号"}),
              (std::vector<std::wstring>{L"某市建设工程质量检测中心", L"某市某路 1 号",
                                         L"检字第 0001 号"}));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(key, L"LabAddress", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_EQ(
        window->reports().PageOf(ReportKind::Design).masthead,
        (std::vector<std::string>{"某市建设工程质量检测中心", "资质证书编号：检字第 0001 号"}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(ReportMenuTest, TheReportCommandsAreInTheMenusWithTheirShortcuts) {
    HMENU bar = CreateMenuBar();
    ASSERT_NE(bar, nullptr);
    for (const int id : {menu_ids::kExport, menu_ids::kReportInfo, menu_ids::kPrintPreview,
                         menu_ids::kPrint, menu_ids::kCopyResult, menu_ids::kLabSettings})
        EXPECT_NE(GetMenuState(bar, static_cast<UINT>(id), MF_BYCOMMAND), 0xFFFFFFFFu) << id;
    // A new cement-only sheet is offered in the JGJ 55-2011 windows only.
    EXPECT_EQ(GetMenuState(bar, menu_ids::kNewCement, MF_BYCOMMAND), 0xFFFFFFFFu);
    DestroyMenu(bar);
    bar = CreateMenuBar(true);
    EXPECT_NE(GetMenuState(bar, menu_ids::kNewCement, MF_BYCOMMAND), 0xFFFFFFFFu);
    DestroyMenu(bar);

    HACCEL table = CreateMenuAccelerators();
    ACCEL entries[32]{};
    const int count = CopyAcceleratorTableW(table, entries, 32);
    DestroyAcceleratorTable(table);
    const auto has = [&](BYTE modifiers, WORD key, int command) {
        for (int i = 0; i < count; ++i)
            if (entries[i].fVirt == (FVIRTKEY | modifiers) && entries[i].key == key &&
                entries[i].cmd == command)
                return true;
        return false;
    };
    EXPECT_TRUE(has(FCONTROL, 'P', menu_ids::kPrint));
    EXPECT_TRUE(has(FCONTROL | FSHIFT, 'C', menu_ids::kCopyResult));
    EXPECT_FALSE(has(FCONTROL, 'C', menu_ids::kCopyResult)); // plain Ctrl+C stays the field's
}

} // namespace
} // namespace mixora::ui::testing
