// The materials library's rules, on every engine: a kind's properties, the list's filters,
// versions under citations, retiring against deleting, conflicts.
#include "material_library.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

namespace mixora::store::testing {
namespace {

MaterialFields Cement(const std::string& maker, const std::string& sampled_on) {
    MaterialFields fields;
    fields.kind = MaterialKind::Cement;
    fields.maker = maker;
    fields.product = "P·O 42.5";
    fields.batch = "2026-031";
    fields.sampled_on = sampled_on;
    fields.report_number = "SN-2026-0117";
    fields.report_date = "2026-03-02";
    fields.price = 420.0;
    fields.price_date = "2026-03-01";
    fields.properties = {{"type", "P.O"}, {"strength_class", "42.5"}, {"strength_28d", 49.3}};
    return fields;
}

class MaterialTest : public ::testing::TestWithParam<EngineTarget> {
  protected:
    std::unique_ptr<TestLab> lab_ = GetParam().make();
    LabDatabase database_ = lab_->Open();
    TestClock time_;
    MaterialLibrary materials_{*database_.connection, time_.clock()};
    DesignRegister designs_{*database_.connection, time_.clock()};

    RegisteredDesign Citing(const MaterialRecord& record) {
        DesignEntry entry = EntryFor("C30", "甲");
        entry.materials = {{record.record, record.version}};
        return designs_.Register(entry, "张三");
    }
};

TEST_P(MaterialTest, RecordsKeepTheirFieldsAndAreListedByKindMakerDateAndUse) {
    const MaterialRecord conch = materials_.Add(Cement("海螺水泥", "2026-03-01"), "张三");
    EXPECT_EQ(conch.Code(), "C-0001");
    const MaterialRecord other = materials_.Add(Cement("华新水泥", "2026-04-10"), "张三");
    MaterialFields sand;
    sand.kind = MaterialKind::Sand;
    sand.maker = "江砂";
    sand.properties = {{"type", "natural"}, {"fineness_modulus", 2.6}, {"zone", "2"}};
    const MaterialRecord river = materials_.Add(sand, "张三");
    EXPECT_EQ(river.Code(), "S-0003");
    materials_.Retire(other.record, other.row_version, "李四");

    EXPECT_EQ(materials_.Latest(conch.record)->fields, Cement("海螺水泥", "2026-03-01"));
    const auto codes = [&](auto set) {
        MaterialFilter filter;
        set(filter);
        std::vector<std::string> found;
        for (const MaterialRecord& r : materials_.List(filter))
            found.push_back(r.Code());
        return found;
    };
    using Codes = std::vector<std::string>;
    EXPECT_EQ(codes([](auto&) {}), (Codes{"C-0001", "C-0002", "S-0003"}));
    EXPECT_EQ(codes([&](auto& f) { f.kind = MaterialKind::Sand; }), Codes{"S-0003"});
    EXPECT_EQ(codes([&](auto& f) { f.maker = "海螺"; }), Codes{"C-0001"});
    EXPECT_EQ(codes([&](auto& f) {
                  f.sampled_from = "2026-04-01";
                  f.sampled_to = "2026-04-30";
              }),
              Codes{"C-0002"});
    EXPECT_EQ(codes([&](auto& f) { f.in_use = true; }), (Codes{"C-0001", "S-0003"}));
    EXPECT_EQ(codes([&](auto& f) { f.in_use = false; }), Codes{"C-0002"});
    MaterialFilter sands;
    sands.kind = MaterialKind::Sand;
    EXPECT_EQ(materials_.List(sands).front().fields, sand);
}

TEST_P(MaterialTest, RefusesWhatTheKindDoesNotHaveOrOffer) {
    const auto refused = [&](MaterialFields fields) {
        return ErrorKindOf([&] { materials_.Add(fields, "张三"); }) == StoreErrorKind::Refused;
    };
    MaterialFields fields = Cement("海螺水泥", "2026-03-01");
    fields.properties["fineness_modulus"] = 2.6; // a sand's
    EXPECT_TRUE(refused(fields));
    fields = Cement("海螺水泥", "2026-03-01");
    fields.properties["strength_class"] = "42.6";
    EXPECT_TRUE(refused(fields));
    fields.properties["strength_class"] = 42.5; // a choice is a key, not a number
    EXPECT_TRUE(refused(fields));
    EXPECT_TRUE(refused(Cement("海螺水泥", "2026-02-30")));
    EXPECT_TRUE(refused(Cement("", "2026-03-01")));
    EXPECT_TRUE(materials_.List({}).empty());
}

TEST_P(MaterialTest, AnEditOfACitedRecordIsANewVersionAndTheCitedOneStays) {
    MaterialRecord record = materials_.Add(Cement("海螺水泥", "2026-03-01"), "张三");
    // Not cited yet: changed in place.
    MaterialFields fields = Cement("海螺水泥", "2026-03-02");
    record = materials_.Edit(record.record, record.row_version, fields, "张三");
    EXPECT_EQ(record.version, 1);
    const RegisteredDesign design = Citing(record);

    fields.properties["strength_28d"] = 51.0;
    const MaterialRecord edited =
        materials_.Edit(record.record, record.row_version, fields, "李四");
    EXPECT_EQ(edited.version, 2);
    EXPECT_EQ(materials_.Latest(record.record)->fields, fields);
    EXPECT_EQ(materials_.Version(record.record, 1)->fields, Cement("海螺水泥", "2026-03-02"));
    EXPECT_FALSE(materials_.Version(record.record, 1)->latest);
    // The design cites the version it was made from; the record is found by it either way.
    RegisterFilter by_record;
    by_record.material_record = record.record;
    const auto citing = designs_.List(by_record);
    ASSERT_EQ(citing.size(), 1u);
    EXPECT_EQ(citing.front().id, design.id);
    EXPECT_EQ(materials_.List({}).size(), 1u);
}

TEST_P(MaterialTest, ARecordInUseIsRetiredNotDeleted) {
    const MaterialRecord used = materials_.Add(Cement("海螺水泥", "2026-03-01"), "张三");
    Citing(used);
    EXPECT_EQ(ErrorKindOf([&] { materials_.Delete(used.record, used.row_version); }),
              StoreErrorKind::Refused);
    const MaterialRecord retired = materials_.Retire(used.record, used.row_version, "李四");
    EXPECT_EQ(retired.retired->by, "李四");
    EXPECT_EQ(ErrorKindOf(
                  [&] { materials_.Edit(used.record, retired.row_version, used.fields, "张三"); }),
              StoreErrorKind::Refused);

    const MaterialRecord unused = materials_.Add(Cement("华新水泥", "2026-03-01"), "张三");
    materials_.Delete(unused.record, unused.row_version);
    EXPECT_FALSE(materials_.Latest(unused.record));
}

TEST_P(MaterialTest, ASaveOfARecordChangedElsewhereIsAConflict) {
    const MaterialRecord read = materials_.Add(Cement("海螺水泥", "2026-03-01"), "张三");
    LabDatabase other_database = lab_->Open();
    MaterialLibrary other(*other_database.connection, time_.clock());
    other.Edit(read.record, read.row_version, Cement("华新水泥", "2026-03-01"), "李四");
    EXPECT_EQ(ErrorKindOf([&] {
                  materials_.Edit(read.record, read.row_version, Cement("X", "2026-03-01"), "张");
              }),
              StoreErrorKind::Conflict);
    EXPECT_EQ(ErrorKindOf([&] { materials_.Retire(read.record, read.row_version, "张"); }),
              StoreErrorKind::Conflict);
    EXPECT_EQ(materials_.Latest(read.record)->fields.maker, "华新水泥");
}

INSTANTIATE_TEST_SUITE_P(Engines, MaterialTest, ::testing::ValuesIn(EngineTargets()),
                         [](const auto& target) { return target.param.name; });

} // namespace
} // namespace mixora::store::testing
