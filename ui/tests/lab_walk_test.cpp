// The lab's records through the windows: materials in the library, a design taking its values
// from them, registered, reviewed and approved in the register, a newer record taken, and the
// revision that follows; and a damaged database refused untouched.
#include "design_register.h"
#include "design_register_dialog.h"
#include "jgj55_window_fixture.h"
#include "lab_access.h"
#include "lab_ids.h"
#include "settings.h"
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
        Forget();
        WriteSettingText(kLabDatabaseValue, path_.wstring(), kKey);
        WriteSettingText(kUserNameValue, L"张三", kKey);
        options.settings_key = kKey;
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

    fs::path path_;
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
    HWND cement = Control(j::Material(0));
    SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(j::Material(0), CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(cement));
    ASSERT_EQ(SendMessageW(cement, CB_GETCOUNT, 0, 0), 2); // 不引用, C-0001
    Pick(cement, 1, j::Material(0), true);
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
