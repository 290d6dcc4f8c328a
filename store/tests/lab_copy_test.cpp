// Moving a lab from a database file onto every engine: each row as it was, the copy going on
// where the lab was, a second copy adding nothing, a copy onto other data refused whole.
#include "lab_copy.h"
#include "material_library.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

namespace mixora::store::testing {
namespace {

class LabCopyTest : public ::testing::TestWithParam<EngineTarget> {
  protected:
    TempFolder folder_;
    LabDatabase local_ = OpenLabFile(folder_.Path("本机.sqlite"), NoNetworkDrives);
    std::unique_ptr<TestLab> lab_ = GetParam().make();
    LabDatabase shared_ = lab_->Open();
    TestClock time_;

    // A lab with a cited and edited cement record, a revised approved design, a withdrawn one
    // and the prefix of its numbers.
    void FillLocal() {
        MaterialLibrary materials(*local_.connection, time_.clock());
        DesignRegister designs(*local_.connection, time_.clock());
        designs.SetNumberPrefix("JS");
        MaterialFields cement;
        cement.maker = "海螺";
        cement.price = 0.1 + 0.2; // a number a text of 15 digits would not keep
        cement.properties = {{"strength_28d", 49.3}, {"type", "P.O"}};
        const MaterialRecord record = materials.Add(cement, "张三");
        DesignEntry entry = EntryFor("C30", "滨江大桥");
        entry.materials = {{record.record, record.version}};
        entry.requirements = {"泵送"};
        RegisteredDesign a = designs.Register(entry, "张三");
        a = designs.Take(DesignStep::Review, a.id, a.row_version, "李四");
        a = designs.Take(DesignStep::Approve, a.id, a.row_version, "王五");
        designs.Revise(a.id, a.row_version, EntryFor("C35", "滨江大桥"), "张三");
        const RegisteredDesign other = designs.Register(EntryFor("C40", "隧道"), "张三");
        designs.Take(DesignStep::Withdraw, other.id, other.row_version, "王五");
        cement.maker = "海螺水泥";
        materials.Edit(record.record, record.row_version, cement, "张三");
    }
};

std::string Listed(Connection& connection) {
    RegisterFilter every;
    every.every_revision = true;
    std::string text;
    DesignRegister designs(connection);
    for (const RegisteredDesign& d : designs.List(every))
        text += d.number + d.revision + std::string(StateKey(d.state)) + d.registered.by +
                (d.approved ? d.approved->at + d.approved->by : "") + designs.Document(d.id) + "\n";
    return text;
}

TEST_P(LabCopyTest, CopiesEveryRowAsItWasOnceAndTheLabGoesOnNumberingThere) {
    FillLocal();
    const std::vector<TableCopy> first = CopyLab(*local_.connection, *shared_.connection);
    ASSERT_EQ(first.size(), 8u);
    for (const TableCopy& table : first)
        EXPECT_EQ(table.added, table.rows) << table.table;
    EXPECT_EQ(Listed(*shared_.connection), Listed(*local_.connection));
    MaterialLibrary local(*local_.connection), shared(*shared_.connection);
    for (std::int64_t version : {1, 2})
        EXPECT_EQ(shared.Version(1, version)->fields, local.Version(1, version)->fields);

    const std::vector<TableCopy> second = CopyLab(*local_.connection, *shared_.connection);
    for (std::size_t i = 0; i < second.size(); ++i) {
        EXPECT_EQ(second[i].added, 0) << second[i].table;
        EXPECT_EQ(second[i].checksum, first[i].checksum) << second[i].table;
    }
    DesignRegister designs(*shared_.connection, time_.clock());
    EXPECT_EQ(designs.Register(EntryFor("C30", "新"), "张三").number, "JS-2026-0003");
}

TEST_P(LabCopyTest, OntoOtherDataIsRefusedAndWritesNothing) {
    FillLocal();
    DesignRegister(*shared_.connection, time_.clock()).Register(EntryFor("C25", "别处"), "赵六");
    const std::string before = Listed(*shared_.connection);
    try {
        CopyLab(*local_.connection, *shared_.connection);
        FAIL() << "copied onto another lab's data";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.kind(), StoreErrorKind::Refused);
        EXPECT_NE(error.Message().find("没有写入任何数据"), std::string::npos) << error.Message();
    }
    EXPECT_EQ(Listed(*shared_.connection), before);
    EXPECT_TRUE(MaterialLibrary(*shared_.connection).List({}).empty());
}

INSTANTIATE_TEST_SUITE_P(Engines, LabCopyTest, ::testing::ValuesIn(EngineTargets()),
                         [](const auto& target) { return target.param.name; });

} // namespace
} // namespace mixora::store::testing
