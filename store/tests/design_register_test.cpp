// The register's rules, on every engine: numbering, states, revisions, conflicts, the file kept
// exactly, the list's filters.
#include "material_library.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

namespace mixora::store::testing {
namespace {

class RegisterTest : public ::testing::TestWithParam<EngineTarget> {
  protected:
    std::unique_ptr<TestLab> lab_ = GetParam().make();
    LabDatabase database_ = lab_->Open();
    TestClock time_;
    DesignRegister designs_{*database_.connection, time_.clock()};

    RegisteredDesign Approved(const DesignEntry& entry) {
        RegisteredDesign d = designs_.Register(entry, "张三");
        d = designs_.Take(DesignStep::Review, d.id, d.row_version, "李四");
        return designs_.Take(DesignStep::Approve, d.id, d.row_version, "王五");
    }
};

TEST_P(RegisterTest, NumbersFollowTheLabsSchemeInTurnAndStartAgainEachYear) {
    EXPECT_EQ(designs_.NumberPrefix(), "PB");
    EXPECT_EQ(ErrorKindOf([&] { designs_.SetNumberPrefix("P-B"); }), StoreErrorKind::Refused);
    designs_.SetNumberPrefix("JS");
    EXPECT_EQ(designs_.Register(EntryFor("C30", "甲"), "张三").number, "JS-2026-0001");
    // A second connection, as another program would hold, takes the next number.
    LabDatabase other_database = lab_->Open();
    DesignRegister other(*other_database.connection, time_.clock());
    EXPECT_EQ(other.Register(EntryFor("C30", "乙"), "李四").number, "JS-2026-0002");
    EXPECT_EQ(designs_.Register(EntryFor("C30", "丙"), "张三").number, "JS-2026-0003");
    *time_.now = "2027-01-02T08:00:00+08:00";
    EXPECT_EQ(other.Register(EntryFor("C35", "丁"), "李四").number, "JS-2027-0001");
    // Set once, before the first number.
    EXPECT_EQ(ErrorKindOf([&] { designs_.SetNumberPrefix("XY"); }), StoreErrorKind::Refused);
    EXPECT_EQ(other.NumberPrefix(), "JS");
}

TEST_P(RegisterTest, StatesGoInOrderAndRecordWhoAndWhen) {
    RegisteredDesign d = designs_.Register(EntryFor("C30", "甲"), "张三");
    EXPECT_EQ(d.state, DesignState::Draft);
    EXPECT_EQ(ErrorKindOf([&] { designs_.Take(DesignStep::Approve, d.id, d.row_version, "王五"); }),
              StoreErrorKind::Refused);
    *time_.now = "2026-03-06T10:00:00+08:00";
    d = designs_.Take(DesignStep::Review, d.id, d.row_version, "李四");
    EXPECT_EQ(d.state, DesignState::Reviewed);
    EXPECT_EQ(d.reviewed, (Stamp{"2026-03-06T10:00:00+08:00", "李四"}));
    // A change of a reviewed design needs reviewing again.
    d = designs_.Edit(d.id, d.row_version, EntryFor("C35", "甲"), "张三");
    EXPECT_EQ(d.state, DesignState::Draft);
    EXPECT_FALSE(designs_.Find(d.id)->reviewed);
    d = designs_.Take(DesignStep::Review, d.id, d.row_version, "李四");
    d = designs_.Take(DesignStep::Approve, d.id, d.row_version, "王五");
    EXPECT_EQ(d.approved->by, "王五");
    d = designs_.Take(DesignStep::Withdraw, d.id, d.row_version, "王五");
    EXPECT_EQ(d.state, DesignState::Withdrawn);
    EXPECT_EQ(*designs_.Find(d.id)->withdrawn, (Stamp{"2026-03-06T10:00:00+08:00", "王五"}));
    EXPECT_EQ(
        ErrorKindOf([&] { designs_.Take(DesignStep::Withdraw, d.id, d.row_version, "王五"); }),
        StoreErrorKind::Refused);
}

TEST_P(RegisterTest, AnApprovedDesignChangesOnlyByARevisionAndTheOldOneStays) {
    const RegisteredDesign a = Approved(EntryFor("C30", "甲"));
    DesignEntry changed = EntryFor("C35", "甲");
    changed.document = "{\"changed\": true}\n";
    EXPECT_EQ(ErrorKindOf([&] { designs_.Edit(a.id, a.row_version, changed, "张三"); }),
              StoreErrorKind::Refused);
    EXPECT_EQ(designs_.Document(a.id), EntryFor("C30", "甲").document);

    const RegisteredDesign b = designs_.Revise(a.id, a.row_version, changed, "张三");
    EXPECT_EQ(b.number, a.number);
    EXPECT_EQ(b.revision, "B");
    EXPECT_EQ(b.state, DesignState::Draft);
    EXPECT_EQ(designs_.Find(a.id)->state, DesignState::Approved);
    EXPECT_FALSE(designs_.Find(a.id)->latest);
    EXPECT_EQ(designs_.Document(a.id), EntryFor("C30", "甲").document);
    EXPECT_EQ(designs_.Document(b.id), changed.document);
    EXPECT_EQ(designs_.Latest(a.number)->id, b.id);

    // The revision in force once approved; the one before is withdrawn.
    RegisteredDesign approved_b = designs_.Take(DesignStep::Review, b.id, b.row_version, "李四");
    approved_b = designs_.Take(DesignStep::Approve, b.id, approved_b.row_version, "王五");
    const auto revisions = designs_.Revisions(a.number);
    ASSERT_EQ(revisions.size(), 2u);
    EXPECT_EQ(revisions[0].state, DesignState::Withdrawn);
    EXPECT_EQ(revisions[1].state, DesignState::Approved);
    EXPECT_EQ(RevisionLetters(25), "Z");
    EXPECT_EQ(RevisionLetters(26), "AA");
}

TEST_P(RegisterTest, ASaveOfARowChangedElsewhereIsAConflictAndOverwritesNothing) {
    const RegisteredDesign read = designs_.Register(EntryFor("C30", "甲"), "张三");
    LabDatabase other_database = lab_->Open();
    DesignRegister other(*other_database.connection, time_.clock());
    DesignEntry theirs = EntryFor("C30", "乙");
    theirs.document = "{\"theirs\": 1}\n";
    other.Edit(read.id, read.row_version, theirs, "李四");

    try {
        designs_.Edit(read.id, read.row_version, EntryFor("C40", "丙"), "张三");
        FAIL() << "saved over a change made elsewhere";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), StoreErrorKind::Conflict);
        EXPECT_NE(error.Message().find("李四"), std::string::npos) << error.Message();
    }
    EXPECT_EQ(
        ErrorKindOf([&] { designs_.Take(DesignStep::Review, read.id, read.row_version, "王"); }),
        StoreErrorKind::Conflict);
    EXPECT_EQ(designs_.Find(read.id)->project, "乙");
    EXPECT_EQ(designs_.Document(read.id), theirs.document);
}

TEST_P(RegisterTest, KeepsTheDesignFileExactly) {
    DesignEntry entry = EntryFor("C30", "滨江大桥");
    entry.document = "\xEF\xBB\xBF{ \"format\" :\"mixora-design\",\r\n\t\"x\": 1.50e0, \"名\": "
                     "\"配合比通知单\\u0000\"}";
    const RegisteredDesign d = designs_.Register(entry, "张三");
    EXPECT_EQ(designs_.Document(d.id), entry.document);
}

TEST_P(RegisterTest, ListsTheLatestRevisionsByGradeStateDateMaterialRequirementAndText) {
    MaterialLibrary materials(*database_.connection, time_.clock());
    MaterialFields cement;
    cement.maker = "海螺";
    const MaterialRecord record = materials.Add(cement, "张三");

    DesignEntry pumped = EntryFor("C30", "滨江大桥 3# 墩");
    pumped.requirements = {"泵送", "抗渗 P8"};
    pumped.materials = {{record.record, record.version}, {999, 1}};
    const RegisteredDesign first = designs_.Register(pumped, "张三");
    *time_.now = "2026-04-01T08:00:00+08:00";
    const RegisteredDesign second = designs_.Register(EntryFor("C35", "50%_工程"), "张三");
    designs_.Take(DesignStep::Review, second.id, second.row_version, "李四");

    const auto numbers = [&](auto set) {
        RegisterFilter filter;
        set(filter);
        std::vector<std::string> found;
        for (const RegisteredDesign& d : designs_.List(filter))
            found.push_back(d.number);
        return found;
    };
    using Numbers = std::vector<std::string>;
    EXPECT_EQ(numbers([](auto&) {}), (Numbers{first.number, second.number}));
    EXPECT_EQ(numbers([&](auto& f) { f.grade = "C35"; }), Numbers{second.number});
    EXPECT_EQ(numbers([&](auto& f) { f.state = DesignState::Reviewed; }), Numbers{second.number});
    EXPECT_EQ(numbers([&](auto& f) { f.registered_to = "2026-03-05"; }), Numbers{first.number});
    EXPECT_EQ(numbers([&](auto& f) {
                  f.registered_from = "2026-04-01";
                  f.registered_to = "2026-04-01";
              }),
              Numbers{second.number});
    EXPECT_EQ(numbers([&](auto& f) { f.material_record = record.record; }), Numbers{first.number});
    EXPECT_EQ(numbers([&](auto& f) { f.requirement = "抗渗 P8"; }), Numbers{first.number});
    EXPECT_EQ(numbers([&](auto& f) { f.search = "滨江"; }), Numbers{first.number});
    EXPECT_EQ(numbers([&](auto& f) { f.search = "0002"; }), Numbers{second.number});
    // % and _ are themselves, not patterns.
    EXPECT_EQ(numbers([&](auto& f) { f.search = "%_"; }), Numbers{second.number});
}

INSTANTIATE_TEST_SUITE_P(Engines, RegisterTest, ::testing::ValuesIn(EngineTargets()),
                         [](const auto& target) { return target.param.name; });

} // namespace
} // namespace mixora::store::testing
