// A lab's shared database on the server the tests are given: each role takes only its own
// steps, whatever statement asks, and the server records the login that took each one.
#include "connection_string.h"
#include "design_register.h"
#include "material_library.h"
#include "shared_test_lab.h"

#include <gtest/gtest.h>

namespace mixora::odbc::testing {
namespace {

using store::DesignStep;
using store::StoreErrorKind;
using store::testing::ErrorKindOf;

class SharedLabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!server_) GTEST_SKIP() << "no lab server given (scripts/test starts one)";
        database_.emplace(*server_);
    }

    // The database opened by each role's login, and its register as that login sees it.
    struct AsRoles {
        store::LabDatabase tester, reviewer, approver;
        store::DesignRegister as_tester{*tester.connection}, as_reviewer{*reviewer.connection},
            as_approver{*approver.connection};
    };
    std::unique_ptr<AsRoles> OpenAsRoles() const {
        return std::unique_ptr<AsRoles>(new AsRoles{database_->Open(server_->tester),
                                                    database_->Open(server_->reviewer),
                                                    database_->Open(server_->approver)});
    }

    std::optional<TestServer> server_ = GivenServer();
    std::optional<SharedTestDatabase> database_;
};

TEST_F(SharedLabTest, EachRoleTakesOnlyItsStepsEvenByHandAndItsLoginIsRecorded) {
    const auto roles = OpenAsRoles();
    auto& [tester, reviewer, approver, as_tester, as_reviewer, as_approver] = *roles;
    store::Connection& by_hand = *tester.connection;

    // Whatever name the program gives, the server records the login.
    store::DesignEntry entry = store::testing::EntryFor("C30", "甲");
    entry.requirements = {"泵送"};
    store::RegisteredDesign d = as_tester.Register(entry, "王五");
    EXPECT_EQ(as_tester.Find(d.id)->registered.by, tester.connection->Login());
    EXPECT_EQ(ErrorKindOf([&] { as_tester.Take(DesignStep::Review, d.id, d.row_version, "x"); }),
              StoreErrorKind::Refused);
    d = as_reviewer.Take(DesignStep::Review, d.id, d.row_version, "王五");
    EXPECT_EQ(as_reviewer.Find(d.id)->reviewed->by, reviewer.connection->Login());

    // Approving is the approver's, by the program or by a statement written by hand.
    EXPECT_EQ(ErrorKindOf([&] { as_reviewer.Take(DesignStep::Approve, d.id, d.row_version, "x"); }),
              StoreErrorKind::Refused);
    EXPECT_EQ(ErrorKindOf([&] {
                  store::Execute(by_hand,
                                 "UPDATE designs SET state = 'approved', approved_at = changed_at,"
                                 " approved_by = 'lab_approver' WHERE id = ?",
                                 {d.id});
              }),
              StoreErrorKind::Refused);
    EXPECT_EQ(as_tester.Find(d.id)->state, store::DesignState::Reviewed);
    d = as_approver.Take(DesignStep::Approve, d.id, d.row_version, "王五");
    EXPECT_EQ(as_approver.Find(d.id)->approved->by, approver.connection->Login());

    // An approved design changes by no statement, nor is it deleted; the approver registers none.
    const std::string document = as_tester.Document(d.id);
    for (const char* statement :
         {"UPDATE designs SET grade = 'C60' WHERE id = ?",
          "UPDATE design_documents SET document = '{}' WHERE design = ?",
          "DELETE FROM design_requirements WHERE design = ?", "DELETE FROM designs WHERE id = ?"})
        EXPECT_EQ(ErrorKindOf([&] { store::Execute(by_hand, statement, {d.id}); }),
                  StoreErrorKind::Refused)
            << statement;
    EXPECT_EQ(
        ErrorKindOf([&] { as_approver.Register(store::testing::EntryFor("C30", "乙"), "x"); }),
        StoreErrorKind::Refused);
    EXPECT_EQ(as_tester.Find(d.id)->grade, "C30");
    EXPECT_EQ(as_tester.Document(d.id), document);
}

// What the program does under each role passes the server's rules.
TEST_F(SharedLabTest, TheRegistersAndTheLibrarysWholeWalkPassesTheRules) {
    const auto roles = OpenAsRoles();
    auto& [tester, reviewer, approver, as_tester, as_reviewer, as_approver] = *roles;
    store::MaterialLibrary library(*tester.connection);

    store::MaterialFields cement;
    cement.maker = "海螺";
    store::MaterialRecord record = library.Add(cement, "x");
    store::DesignEntry entry = store::testing::EntryFor("C30", "甲");
    entry.materials = {{record.record, record.version}};
    store::RegisteredDesign a = as_tester.Register(entry, "x");
    a = as_tester.Edit(a.id, a.row_version, entry, "x");
    a = as_reviewer.Take(DesignStep::Review, a.id, a.row_version, "x");
    a = as_tester.Edit(a.id, a.row_version, entry, "x");
    a = as_reviewer.Take(DesignStep::Review, a.id, a.row_version, "x");
    a = as_approver.Take(DesignStep::Approve, a.id, a.row_version, "x");
    store::RegisteredDesign b = as_tester.Revise(a.id, a.row_version, entry, "x");
    b = as_reviewer.Take(DesignStep::Review, b.id, b.row_version, "x");
    b = as_approver.Take(DesignStep::Approve, b.id, b.row_version, "x");
    EXPECT_EQ(as_tester.Find(a.id)->state, store::DesignState::Withdrawn);
    EXPECT_EQ(as_tester.Find(a.id)->withdrawn->by, approver.connection->Login());

    cement.maker = "海螺水泥";
    record = library.Edit(record.record, record.row_version, cement, "x");
    EXPECT_EQ(record.version, 2);
    record = library.Retire(record.record, record.row_version, "x");
    EXPECT_EQ(library.Version(record.record, 1)->fields.maker, "海螺");
    EXPECT_EQ(library.Latest(record.record)->retired->by, tester.connection->Login());
}

TEST_F(SharedLabTest, ACheckOfTheConnectionSaysTheLoginsRolesOrWhatFailed) {
    const ConnectionCheck approver = CheckConnection(database_->ConnectionOf(server_->approver));
    EXPECT_TRUE(approver.opens) << approver.message;
    EXPECT_NE(approver.message.find("（批准）"), std::string::npos) << approver.message;
    const ConnectionCheck refused = CheckConnection(
        WithConnectionValue(database_->ConnectionOf(server_->tester), "Pwd", "wrong"));
    EXPECT_FALSE(refused.opens);
    EXPECT_NE(refused.message.find("拒绝了登录"), std::string::npos) << refused.message;
}

TEST_F(SharedLabTest, ALongDesignFileOfAnyCharacterComesBackExactly) {
    store::LabDatabase tester = database_->Open(server_->tester);
    store::DesignRegister designs(*tester.connection);
    store::DesignEntry entry = store::testing::EntryFor("C30", "滨江大桥 𝄞");
    for (int i = 0; i < 3000; ++i)
        entry.document += "配合比通知单 𝄞 ±0.5\r\n";
    const store::RegisteredDesign d = designs.Register(entry, "x");
    store::LabDatabase other = database_->Open(server_->approver);
    EXPECT_EQ(store::DesignRegister(*other.connection).Document(d.id), entry.document);
    EXPECT_EQ(store::DesignRegister(*other.connection).Find(d.id)->project, "滨江大桥 𝄞");
}

} // namespace
} // namespace mixora::odbc::testing
