// The lab's records through the windows: materials in the library, a design taking its values
// from them, registered, reviewed and approved in the register, a newer record taken, and the
// revision that follows; and a damaged database refused untouched.
#include "command_line_export.h"
#include "design_register.h"
#include "design_register_dialog.h"
#include "jgj55_window_fixture.h"
#include "lab_access.h"
#include "lab_ids.h"
#include "file_fakes.h"
#include "report_writers.h"
#include "settings.h"
#include "material_library.h"
#include "material_library_dialog.h"
#include "modal_driver.h"
#include "utf.h"

#include <filesystem>
#include <fstream>

namespace mixora::ui::testing {
namespace {

namespace fs = std::filesystem;
using namespace lab_ids;

constexpr const wchar_t* kKey = L"Software\\MixoraTests\\Lab";

class LabWalkTest : public Jgj55WindowTest {
  protected:
    void Configure(DesignWindowOptions& options) override {
        Jgj55WindowTest::Configure(options);
        path_ = fs::temp_directory_path() / "mixora-lab-walk.sqlite";
        dialogs.save_path = (fs::temp_directory_path() / "mixora-lab-walk.mixora").wstring();
        Forget();
        WriteSettingText(kLabDatabaseValue, path_.wstring(), kKey);
        WriteSettingText(kUserNameValue, L"张三", kKey);
        options.settings_key = kKey;
        options.file_dialogs = &dialogs;
    }
    void TearDown() override {
        Jgj55WindowTest::TearDown();
        Forget();
    }
    void Forget() {
        LabAccess::CloseShared();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        for (const char* end : {"", "-wal", "-shm"})
            fs::remove(path_.string() + end);
        std::error_code ignored;
        fs::remove(*dialogs.save_path, ignored);
    }
    store::LabDatabase Open() {
        return store::OpenLabFile(Narrow(path_.wstring()), store::NoNetworkDrives);
    }
    void Menu(int id) {
        SendMessageW(window->hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        Pump();
    }
    // A row of a list box, or an item of a drop-down list, chosen as the user does.
    static void Pick(HWND list, int index, int id, bool drop_down = false) {
        SendMessageW(list, drop_down ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(GetParent(list), WM_COMMAND,
                     MAKEWPARAM(id, drop_down ? CBN_SELCHANGE : LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    std::wstring Title() const { return ReadText(window->hwnd()); }
    // The library's first record cited for the window's cement.
    void CiteFirstCement() {
        HWND cement = Control(j::Material(0));
        SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(j::Material(0), CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(cement));
        Pick(cement, 1, j::Material(0), true);
    }

    fs::path path_;
    AnsweringDialogs dialogs; // 另存为 answers a file beside the database
};

store::MaterialFields Cement(double fce) {
    store::MaterialFields fields;
    fields.maker = "海螺水泥";
    fields.product = "P·O 42.5";
    fields.report_number = "JC-2026-031";
    fields.price = 420;
    fields.price_date = "2026-03-01";
    fields.properties = {{"type", std::string("P.O")},
                         {"strength_class", std::string("42.5")},
                         {"strength_28d", fce}};
    return fields;
}

TEST_F(LabWalkTest, MaterialsDesignRegisterApproveAndRevise) {
    {
        store::LabDatabase lab = Open();
        store::MaterialLibrary(*lab.connection).Add(Cement(48.6), "李四");
    }
    // The library lists it.
    ModalDriver::Drive(
        kLibraryTitle,
        [](HWND dialog) {
            HWND list = ModalDriver::Find(dialog, kLibraryList);
            EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
        [this] { Menu(kLibrary); });

    // The design takes the cement's class and fce, naming its record as the source.
    EnterWorkedExample();
    CiteFirstCement();
    ASSERT_EQ(SendMessageW(Control(j::Material(0)), CB_GETCOUNT, 0, 0), 2); // 不引用, C-0001
    EXPECT_EQ(Get(j::CementStrength), L"48.6");
    EXPECT_NE(Get(j::Mark(j::CementStrength)).find(L"原材料 C-0001 检测报告 JC-2026-031"),
              std::wstring::npos);
    EXPECT_NE(Get(j::MaterialCost).find(L"元/m³（价格日期 2026-03-01）"), std::wstring::npos);

    Menu(kRegisterDesign);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_NE(boxes.shown.back().text.find(L"PB-"), std::wstring::npos);
    std::string number;
    {
        store::LabDatabase lab = Open();
        store::DesignRegister designs(*lab.connection);
        const auto listed = designs.List({});
        ASSERT_EQ(listed.size(), 1u);
        number = listed[0].number;
        store::RegisterFilter citing;
        citing.material_record = 1;
        EXPECT_EQ(designs.List(citing).size(), 1u);
    }

    // 审核 then 批准 in the register, recording who.
    ModalDriver::Drive(
        kRegisterTitle,
        [](HWND dialog) {
            Pick(ModalDriver::Find(dialog, kRegisterList), 0, kRegisterList);
            SendMessageW(ModalDriver::Find(dialog, kRegisterReview), BM_CLICK, 0, 0);
            SendMessageW(ModalDriver::Find(dialog, kRegisterApprove), BM_CLICK, 0, 0);
            wchar_t details[2048]{};
            GetWindowTextW(ModalDriver::Find(dialog, kRegisterDetails), details, 2048);
            EXPECT_NE(std::wstring(details).find(L"批准 张三"), std::wstring::npos) << details;
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
        [this] { Menu(kRegister); });

    // The cited record is edited: its next version; the design opened from the register says so
    // and takes it.
    {
        store::LabDatabase lab = Open();
        store::MaterialLibrary library(*lab.connection);
        const auto record = library.Latest(1);
        EXPECT_EQ(library.Edit(1, record->row_version, Cement(50.2), "李四").version, 2);
    }
    ModalDriver::Drive(
        kRegisterTitle,
        [](HWND dialog) {
            Pick(ModalDriver::Find(dialog, kRegisterList), 0, kRegisterList);
            PostMessageW(ModalDriver::Find(dialog, kRegisterOpen), BM_CLICK, 0, 0);
            return true;
        },
        [this] { Menu(kRegister); });
    Pump();
    ASSERT_EQ(OpenWindows().size(), 2u);
    DesignWindow* opened = OpenWindows().back();
    EXPECT_EQ(ReadText(opened->hwnd()),
              std::wstring(kJgj55WindowTitle) + L" " + Widen(number) + L" A");
    const auto text = [opened](int id) {
        wchar_t buffer[512]{};
        GetWindowTextW(opened->Control(id), buffer, 512);
        return std::wstring(buffer);
    };
    EXPECT_EQ(text(j::CementStrength), L"48.6"); // as registered
    EXPECT_NE(text(j::MaterialNotice).find(L"C-0001 已有第 2 版"), std::wstring::npos);
    SendMessageW(opened->Control(j::TakeNewer), BM_CLICK, 0, 0);
    EXPECT_EQ(text(j::CementStrength), L"50.2");

    // Registered again: the approved revision stays, B is its draft.
    SendMessageW(opened->hwnd(), WM_COMMAND, static_cast<WPARAM>(kRegisterDesign), 0);
    store::LabDatabase lab = Open();
    store::DesignRegister designs(*lab.connection);
    const auto revisions = designs.Revisions(number);
    ASSERT_EQ(revisions.size(), 2u);
    EXPECT_EQ(revisions[0].state, store::DesignState::Approved);
    EXPECT_EQ(revisions[1].revision, "B");
    EXPECT_EQ(revisions[1].state, store::DesignState::Draft);
    EXPECT_NE(designs.Document(revisions[1].id).find("\"version\": 2"), std::string::npos);
    EXPECT_EQ(ReadText(opened->hwnd()),
              std::wstring(kJgj55WindowTitle) + L" " + Widen(number) + L" B");
}

// A row changed elsewhere since the window registered it is found on registering again and
// the user chooses: 否 leaves the register as the other left it, 是 gives the design a number of
// its own. The title follows the number; the report, in the window and from --export, lists
// the cited record.
// 硅灰 has no default density: the record picked for it gives ρsf.
TEST_F(LabWalkTest, ASilicaFumeRecordFillsItsDensity) {
    {
        store::MaterialFields fields;
        fields.kind = store::MaterialKind::SilicaFume;
        fields.maker = "某铁合金厂";
        fields.properties = {{"density", 2210.0}};
        store::LabDatabase lab = Open();
        store::MaterialLibrary(*lab.connection).Add(fields, "李四");
    }
    EnterWorkedExample();
    HWND list = Control(j::Material(6));
    SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(j::Material(6), CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(list));
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2); // 不引用, H-0001
    Pick(list, 1, j::Material(6), true);
    EXPECT_EQ(Get(j::SilicaFumeDensity), L"2210");
}

TEST_F(LabWalkTest, ARowChangedElsewhereIsFoundOnRegisteringAndTheUserChooses) {
    {
        store::LabDatabase lab = Open();
        store::MaterialLibrary(*lab.connection).Add(Cement(48.6), "李四");
    }
    EnterWorkedExample();
    CiteFirstCement();
    Menu(kRegisterDesign);
    const auto listed = [this] {
        store::LabDatabase lab = Open();
        return store::DesignRegister(*lab.connection).List({});
    };
    const store::RegisteredDesign first = listed().at(0);
    EXPECT_EQ(Title(), std::wstring(kJgj55WindowTitle) + L" " + Widen(first.number) + L" A");
    {
        store::LabDatabase lab = Open();
        store::DesignRegister(*lab.connection)
            .Take(store::DesignStep::Review, first.id, first.row_version, "李四");
    }

    boxes.answers = {IDNO};
    Menu(kRegisterDesign);
    EXPECT_NE(boxes.shown.back().text.find(L"已被修改（李四"), std::wstring::npos);
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_EQ(listed()[0].state, store::DesignState::Reviewed);
    EXPECT_EQ(listed()[0].row_version, first.row_version + 1);

    boxes.answers = {IDYES};
    Menu(kRegisterDesign);
    const auto both = listed();
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].state, store::DesignState::Reviewed);
    EXPECT_EQ(Title(), std::wstring(kJgj55WindowTitle) + L" " + Widen(both[1].number) + L" A");

    EXPECT_NE(page::ReportCsv(sheet->Report({})).find("C-0001 第 1 版"), std::string::npos);
    ASSERT_TRUE(window->SaveDesignAs());
    EXPECT_EQ(Title().find(Widen(both[1].number)), std::wstring::npos); // a file of its own now
    const std::wstring out = *window->design_path() + L".html";
    ASSERT_EQ(ExportDesignReport({kExportOption, *window->design_path(), out}).exit_code, 0);
    const std::string html = ReadBytes(out);
    fs::remove(out);
    for (const char* listed_text : {"原材料检测记录", "C-0001 第 1 版", "JC-2026-031", "海螺水泥",
                                    "28 d 抗压强度 fce 48.6 MPa", "材料成本"})
        EXPECT_NE(html.find(listed_text), std::string::npos) << listed_text;
}

TEST_F(LabWalkTest, ADamagedDatabaseIsRefusedUntouchedAndTheBackupOffered) {
    const std::string garbage(4096, 'x');
    std::ofstream(path_, std::ios::binary) << garbage;
    Menu(kLibrary);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_NE(boxes.shown.back().text.find(L"恢复实验室数据"), std::wstring::npos);
    std::ifstream file(path_, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), garbage);
}

} // namespace
} // namespace mixora::ui::testing
