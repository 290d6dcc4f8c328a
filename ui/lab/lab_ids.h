#pragma once
// Identifiers of the lab's commands and windows: their part of the automation interface
// (README.md). Menu commands 5410 …; the controls of the library, its record form, the
// register and the name dialog 8100 …
namespace mixora::ui::lab_ids {

// 文件
inline constexpr int kRegisterDesign = 5410; // 登记到台账
inline constexpr int kRegister = 5411;       // 台账…
inline constexpr int kBackup = 5412;         // 备份实验室数据…
inline constexpr int kRestore = 5413;        // 恢复实验室数据…
// 材料
inline constexpr int kLibrary = 5420; // 原材料库…

// 原材料库 (the library window)
inline constexpr int kLibraryKind = 8101;    // list: 全部, 水泥 …
inline constexpr int kLibraryMaker = 8102;   // part of the maker's name
inline constexpr int kLibraryFrom = 8103;    // 取样日期 from
inline constexpr int kLibraryTo = 8104;      // … to
inline constexpr int kLibraryInUse = 8105;   // list: 全部, 在用, 已停用
inline constexpr int kLibraryFind = 8106;    // 查询
inline constexpr int kLibraryList = 8107;    // the records
inline constexpr int kLibraryAdd = 8108;     // 新增…
inline constexpr int kLibraryEdit = 8109;    // 修改…
inline constexpr int kLibraryRetire = 8110;  // 停用
inline constexpr int kLibraryDetails = 8111; // the record, its versions and the designs citing it
inline constexpr int kLibraryCount = 8112;   // how many are listed

// 原材料记录 (the record form)
inline constexpr int kRecordKind = 8151;
inline constexpr int kRecordMaker = 8152;
inline constexpr int kRecordProduct = 8153;
inline constexpr int kRecordBatch = 8154;
inline constexpr int kRecordSampled = 8155;
inline constexpr int kRecordReport = 8156;
inline constexpr int kRecordReportDate = 8157;
inline constexpr int kRecordPrice = 8158;
inline constexpr int kRecordPriceDate = 8159;
inline constexpr int kRecordVersion = 8160; // what saving it makes (in place, a new version)
// The kind's test properties, row n from 0: its name, its field (a number or a text), its
// list (a choice), its unit.
inline constexpr int kPropertyRows = 6;
inline constexpr int PropertyName(int n) {
    return 8170 + n;
}
inline constexpr int PropertyText(int n) {
    return 8180 + n;
}
inline constexpr int PropertyChoice(int n) {
    return 8190 + n;
}
inline constexpr int PropertyUnit(int n) {
    return 8200 + n;
}

// 配合比台账 (the register window)
inline constexpr int kRegisterGrade = 8251;       // 强度等级
inline constexpr int kRegisterState = 8252;       // list: 全部, 草稿 …
inline constexpr int kRegisterFrom = 8253;        // 登记日期 from
inline constexpr int kRegisterTo = 8254;          // … to
inline constexpr int kRegisterMaterial = 8255;    // a material record's code: C-0001
inline constexpr int kRegisterRequirement = 8256; // 特殊要求
inline constexpr int kRegisterSearch = 8257;      // part of the number or the project
inline constexpr int kRegisterFind = 8258;        // 查询
inline constexpr int kRegisterList = 8259;        // the designs, each number's latest revision
inline constexpr int kRegisterOpen = 8260;        // 打开
inline constexpr int kRegisterReview = 8261;      // 审核
inline constexpr int kRegisterApprove = 8262;     // 批准
inline constexpr int kRegisterWithdraw = 8263;    // 停用
inline constexpr int kRegisterDiff = 8264;        // 与上一修订对比
inline constexpr int kRegisterDetails = 8265;     // the revisions, who took each step, the diff
inline constexpr int kRegisterCount = 8266;

// The name of the person working (asked once)
inline constexpr int kPersonName = 8301;

} // namespace mixora::ui::lab_ids
