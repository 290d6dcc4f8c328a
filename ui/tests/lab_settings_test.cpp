// 实验室设置 — 数据库 under Wine: the shared database's password kept in the credential store and
// nowhere in the registry, the database opened from the settings as the login they name, and
// 测试连接 against the test run's server (whose logins scripts/test hands on in the environment;
// without them those cases are skipped), and the register window when that server drops its
// connection.
#include "connection_string.h"
#include "control_text.h"
#include "callback_guard.h"
#include "credential_store.h"
#include "database_settings_dialog.h"
#include "database_settings_form.h"
#include "database_settings_ids.h"
#include "design_register.h"
#include "design_register_dialog.h"
#include "handles.h"
#include "lab_access.h"
#include "lab_ids.h"
#include "lab_database_settings.h"
#include "modal_driver.h"
#include "settings.h"
#include "shared_test_lab.h"
#include "sql_engine.h"
#include "store_test_support.h"
#include "utf.h"
#include "window_classes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace mixora::ui::testing {
namespace {

using namespace database_settings_ids;

constexpr const wchar_t* kKey = L"Software\\MixoraTests\\LabSettings";

std::string Given(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Whether any value under `key` (and its subkeys) holds `bytes`.
bool RegistryHolds(HKEY parent, const std::wstring& path, const std::string& bytes) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    const base::unique_hkey key(opened);
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD name_size = 16384;
        static BYTE data[1 << 20];
        DWORD data_size = sizeof(data);
        const LSTATUS read =
            RegEnumValueW(key.get(), i, name, &name_size, nullptr, nullptr, data, &data_size);
        if (read == ERROR_NO_MORE_ITEMS) break;
        if (read != ERROR_SUCCESS) continue;
        const std::string value(reinterpret_cast<const char*>(data), data_size);
        if (value.find(bytes) != std::string::npos) return true;
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD name_size = 256;
        if (RegEnumKeyExW(key.get(), i, name, &name_size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (RegistryHolds(key.get(), name, bytes)) return true;
    }
    return false;
}

bool RegistryHoldsText(const std::string& text) {
    const std::wstring wide = Widen(text);
    const std::string utf16(reinterpret_cast<const char*>(wide.data()),
                            wide.size() * sizeof(wchar_t));
    return RegistryHolds(HKEY_CURRENT_USER, L"", text) ||
           RegistryHolds(HKEY_CURRENT_USER, L"", utf16);
}

class RecordedBoxes final : public MessageBoxes {
  public:
    int Show(HWND, std::wstring_view text, std::wstring_view, UINT) override {
        said += text;
        ++shown;
        return IDOK;
    }
    std::wstring said;
    int shown = 0;
};

class LabSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        base::SetInternalErrorReporter(
            [](std::wstring_view message) { ADD_FAILURE() << Narrow(message); });
    }
    void TearDown() override {
        if (!forget_.empty()) ForgetPassword(Widen(lab::CredentialTarget(forget_)));
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        CloseOpenedLab();
    }
    // Saves a shared setting from a connection string with its password, as 确定 does.
    void SaveShared(const std::string& connection) {
        forget_ = connection;
        ASSERT_TRUE(
            SaveLabDatabaseSetting({lab::LabDatabaseKind::Shared, {}, connection}, L"", kKey));
    }
    std::string forget_;
};

TEST_F(LabSettingsTest, ThePasswordGoesToTheCredentialStoreAndNeverToTheRegistry) {
    const std::string password = "Pw-不在注册表-7319;x";
    SaveShared("Driver={PostgreSQL Unicode};Server=lab-db.example;Port=5432;Database=lab;"
               "Uid=zhang;Pwd=" +
               odbc::ConnectionValueText(password) + ";");
    const lab::LabDatabaseSetting loaded = LoadLabDatabaseSetting(kKey);
    EXPECT_EQ(loaded.kind, lab::LabDatabaseKind::Shared);
    EXPECT_EQ(
        loaded.connection,
        "Driver={PostgreSQL Unicode};Server=lab-db.example;Port=5432;Database=lab;Uid=zhang;");
    EXPECT_EQ(Narrow(KeptPassword(loaded.connection)), password);
    EXPECT_TRUE(RegistryHoldsText("lab-db.example")); // the search does find what is there
    EXPECT_FALSE(RegistryHoldsText(password));
    EXPECT_FALSE(RegistryHoldsText("Pw-不在注册表"));

    // Back to the file on this computer: the shared database's string is kept for next time.
    ASSERT_TRUE(SaveLabDatabaseSetting(
        {lab::LabDatabaseKind::Local, "C:\\lab\\lab.sqlite", loaded.connection}, L"", kKey));
    const lab::LabDatabaseSetting local = LoadLabDatabaseSetting(kKey);
    EXPECT_EQ(local.kind, lab::LabDatabaseKind::Local);
    EXPECT_EQ(local.path, "C:\\lab\\lab.sqlite");
    EXPECT_EQ(local.connection, loaded.connection);

    // A shared database named by hand as the command line names one.
    ASSERT_FALSE(WriteSettingText(kLabDatabaseValue, L"odbc:DSN=实验室;Uid=li;", kKey));
    const lab::LabDatabaseSetting by_hand = LoadLabDatabaseSetting(kKey);
    EXPECT_EQ(by_hand.kind, lab::LabDatabaseKind::Shared);
    EXPECT_EQ(by_hand.connection, "DSN=实验室;Uid=li;");
}

TEST_F(LabSettingsTest, OpensTheSharedDatabaseOfTheSettingsAsItsLogin) {
    const std::string tester = Given("MIXORA_TEST_ODBC_TESTER");
    if (tester.empty()) GTEST_SKIP() << "no lab server given (scripts/test starts one)";
    SaveShared(tester);
    store::LabDatabase opened = OpenLabOfSettings(kKey);
    EXPECT_EQ(opened.connection->Login(), "lab_tester");
    EXPECT_EQ(OpenedLab(kKey).Who(), "lab_tester");
    EXPECT_FALSE(RegistryHoldsText(odbc::ConnectionValue(tester, "PWD")));
}

// 测试连接 in the dialog, as a user would: what the result box says for each connection typed.
TEST_F(LabSettingsTest, TestConnectionSaysTheLoginAndItsRolesOrWhatFailed) {
    const std::string approver = Given("MIXORA_TEST_ODBC_APPROVER");
    if (approver.empty()) GTEST_SKIP() << "no lab server given (scripts/test starts one)";
    const lab::SplitConnection split = lab::SplitPassword(approver);
    struct Case {
        std::string connection, password;
        std::vector<std::string> said;
    };
    const std::vector<Case> cases = {
        {split.kept, split.password, {"连接成功", "lab_approver", "批准"}},
        {split.kept, "wrong", {"失败", "拒绝了登录"}},
        {odbc::WithConnectionValue(split.kept, "Port", "1"), split.password, {"失败", "无法连接"}},
        {odbc::WithConnectionValue(split.kept, "Driver", "{No Such Driver}"),
         split.password,
         {"失败", "驱动程序"}},
    };
    std::vector<std::wstring> results;
    RecordedBoxes boxes;
    // The dialog's owner, as a design window would be: of this program, its classes registered.
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(RegisterWindowClasses(instance, DefWindowProcW));
    HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 instance, nullptr);
    std::size_t next = 0;
    ModalDriver::Drive(
        kDatabaseSettingsTitle,
        [&](HWND dialog) {
            if (next == cases.size()) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                return true;
            }
            SendMessageW(ModalDriver::Find(dialog, kShared), BM_CLICK, 0, 0);
            WriteText(ModalDriver::Find(dialog, kConnection), Widen(cases[next].connection));
            WriteText(ModalDriver::Find(dialog, kPassword), Widen(cases[next].password));
            SendMessageW(ModalDriver::Find(dialog, kTestConnection), BM_CLICK, 0, 0);
            results.push_back(ReadText(ModalDriver::Find(dialog, kResult)));
            ++next;
            return false;
        },
        [&] { EditDatabaseSettings(owner, boxes, false, kKey); });
    DestroyWindow(owner);
    ASSERT_EQ(results.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i)
        for (const std::string& part : cases[i].said)
            EXPECT_NE(results[i].find(Widen(part)), std::wstring::npos)
                << Narrow(results[i]) << " lacks " << part;
    EXPECT_FALSE(RegistryHoldsText(split.password)); // 取消 kept nothing
}

// Ends a session of the same login on the server, as a dropped network ends it, and waits until
// it has gone.
void EndBackend(store::Connection& other, std::int64_t backend) {
    const std::string pid = std::to_string(backend);
    store::Query(other, "SELECT pg_terminate_backend(" + pid + ")").Next();
    for (int i = 0;
         i < 100 && store::Query(other, "SELECT 1 FROM pg_stat_activity WHERE pid = " + pid).Next();
         ++i)
        Sleep(50);
}

// The server ends the register window's connection (as a dropped network would end it): said
// once, in a box naming it; the list kept; later commands refused at once on the status line,
// the server not asked; after 重新连接 the window reads it again.
TEST_F(LabSettingsTest, ALostServerIsSaidOnceTheRegisterKeepsItsRowsAndReconnectingReadsAgain) {
    const auto server = odbc::testing::GivenServer();
    if (!server) GTEST_SKIP() << "no lab server given (scripts/test starts one)";
    const odbc::testing::SharedTestDatabase database(*server);
    SaveShared(database.ConnectionOf(server->tester));
    lab::LabSession& session = OpenedLab(kKey);
    store::DesignRegister(session.connection())
        .Register(store::testing::EntryFor("C30", "滨江大桥"), session.Who());
    store::Query pid(session.connection(), "SELECT pg_backend_pid()");
    ASSERT_TRUE(pid.Next());
    const std::int64_t backend = pid.Int(0);
    store::LabDatabase other = database.Open(server->tester);

    RecordedBoxes boxes;
    LabAccess lab(kKey, boxes);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(RegisterWindowClasses(instance, DefWindowProcW));
    HWND owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 instance, nullptr);
    const auto click = [](HWND dialog, int id) {
        SendMessageW(ModalDriver::Find(dialog, id), BM_CLICK, 0, 0);
    };
    std::vector<std::wstring> details, lines;
    ModalDriver::Drive(
        kRegisterTitle,
        [&](HWND dialog) {
            HWND list = ModalDriver::Find(dialog, lab_ids::kRegisterList);
            EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
            SendMessageW(list, LB_SETCURSEL, 0, 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(lab_ids::kRegisterList, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            details.push_back(ReadText(ModalDriver::Find(dialog, lab_ids::kRegisterDetails)));
            EndBackend(*other.connection, backend);
            for (const int id : {lab_ids::kRegisterFind, lab_ids::kRegisterReview,
                                 lab_ids::kRegisterDiff, lab_ids::kRegisterFind}) {
                click(dialog, id);
                lines.push_back(ReadText(ModalDriver::Find(dialog, lab_ids::kRegisterCount)));
            }
            EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
            details.push_back(ReadText(ModalDriver::Find(dialog, lab_ids::kRegisterDetails)));
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
        [&] { ShowDesignRegister(owner, lab, false); });
    EXPECT_EQ(boxes.shown, 1) << Narrow(boxes.said);
    EXPECT_NE(boxes.said.find(L"连接已中断"), std::wstring::npos) << Narrow(boxes.said);
    EXPECT_NE(boxes.said.find(L"重新连接共享数据库"), std::wstring::npos);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], L"共 1 个配合比"); // the loss itself said in the box
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].starts_with(L"未连接共享数据库")) << Narrow(lines[i]);
    ASSERT_EQ(details.size(), 2u);
    EXPECT_NE(details[0].find(L"修订"), std::wstring::npos) << Narrow(details[0]);
    EXPECT_EQ(details[1], details[0]);
    // Refused at once while lost: the window is not opened.
    EXPECT_EQ(lab.Database(owner), nullptr);
    EXPECT_EQ(boxes.shown, 2);

    session.Reconnect();
    EXPECT_FALSE(lab.Lost());
    ASSERT_NE(lab.Database(owner), nullptr);
    EXPECT_EQ(boxes.shown, 2);
    DestroyWindow(owner);
}

} // namespace
} // namespace mixora::ui::testing
